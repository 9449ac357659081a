' Function-level exception handlers: taken, passed through frames, raised
' again from a handler; each local object is released exactly once on the
' way (its destructor counts). Then an exception nobody takes ends the
' program with the message the settings give.
'
' Three objects were made in frames that an exception left, and each was
' released once, whether its own method's handler took the exception or a
' caller's did.
' expect: 2 3 4 released 3
' expect: An exception of class NilObjectException was not handled.
Dim Released As Integer

Class Tracked
  Property Tag As String
  Sub Destructor()
    Released = Released + 1
  End Sub
  Function Touch() As Integer
    Return 1
  End Function
End Class

Class Trials Inherits Application
  Function Inner() As Integer
    Dim t As Tracked = New Tracked
    Dim text As String = "held" + Str(1)
    Raise New NilObjectException
  End Function

  Function Passed() As Integer
    Dim t As Tracked = New Tracked
    Return Inner() + 100
  Exception err As NilObjectException
    Return 2
  End Function

  Function Again() As Integer
    Dim t As Tracked = New Tracked
    Dim values(5) As Integer
    Raise New NilObjectException
  Exception err As NilObjectException
    Raise New IllegalCastException
  End Function

  Function Replaced() As Integer
    Return Again()
  Exception err As IllegalCastException
    Return 3
  End Function

  Function NilUsed() As Integer
    Dim t As Tracked
    Return t.Touch()
  Exception
    Return 4
  End Function

  Event Open()
    Dim first As Integer = Passed()
    Dim second As Integer = Replaced()
    Dim third As Integer = NilUsed()
    MsgBox Str(first) + " " + Str(second) + " " + Str(third) + " released " + Str(Released)
    Dim nobody As Tracked
    nobody.Touch()
    MsgBox "not reached"
  End Event
End Class

Settings
  Message 4, "An exception of class %1 was not handled."
End Settings
