' Methods that the generated-code test calls directly, one behaviour each.
' They use numbers only, so the test needs no more of the runtime than the
' few routines it supplies itself.
Class Probe
  Function Add(a As Integer, b As Integer) As Integer
    Return a + b
  End Function

  Function Twice(a As Integer) As Integer
    Return Add(a, a)
  End Function

  Function SumTo(n As Integer) As Integer
    Dim total As Integer
    For i = 1 To n
      total = total + i
    Next
    Return total
  End Function

  Function CountDown(n As Integer) As Integer
    Dim steps As Integer
    For i = n To 1 Step -2
      steps = steps + 1
    Next
    Return steps
  End Function

  Function Divide(a As Integer, b As Integer) As Integer
    Return a \ b
  End Function

  Function Remainder(a As Integer, b As Integer) As Integer
    Return a Mod b
  End Function

  Function Hypot(x As Double, y As Double) As Double
    Return x * x + y * y - x / 2
  End Function

  Function Truncate(x As Double) As Integer
    Dim n As Integer = x
    Return n
  End Function

  Function Bigger(x As Double, y As Double) As Boolean
    Return x > y
  End Function

  Function Classify(n As Integer) As Integer
    Select Case n
      Case 1, 2
        Return 10
      Case 3
        Return 30
      Case Else
        If n < 0 Then
          Return -1
        ElseIf n > 100 Then
          Return 100
        End If
    End Select
    Return 0
  End Function

  Function Collatz(n As Integer) As Integer
    Dim steps As Integer
    While n <> 1
      If n Mod 2 = 0 Then
        n = n \ 2
      Else
        n = 3 * n + 1
      End If
      steps = steps + 1
    Wend
    Return steps
  End Function

  Function FirstSquareAbove(limit As Integer) As Integer
    Dim k As Integer
    Do
      k = k + 1
    Loop Until k * k > limit
    Return k
  End Function

  Function Last() As Integer
    Dim i As Integer
    For i = 2147483645 To 2147483647
    Next
    Return i
  End Function

  Sub Increment(ByRef value As Integer)
    value = value + 1
  End Sub

  Function UseByRef() As Integer
    Dim v As Integer = 41
    Increment(v)
    Return v
  End Function
End Class

' Strings, linked to the runtime's own string routines.
Class Words
  Function Greet(name As String) As String
    Return "Hello, " + name + "!"
  End Function

  Function Digits(n As Integer) As String
    Dim s As String
    For i = 1 To n
      Dim piece As String = Str(i)
      s = s + piece
    Next
    Return s
  End Function

  Function Size(a As String, b As String) As Integer
    Return Len(a + b)
  End Function

  Function Kind(s As String) As Integer
    Select Case s
      Case "one"
        Return 1
      Case "two", "three"
        Return 2
    End Select
    Return 0
  End Function

  Function Same(a As String, b As String) As Boolean
    Return a = b
  End Function

  Function Keep(s As String) As String
    Dim copy As String = s
    copy = copy
    s = "changed"
    Return copy
  End Function
End Class

' Exceptions, raised and taken by the runtime's own walk over these frames.
Class Guard
  Function Inner(s As String) As Integer
    Dim local As String = s + "!"
    Raise New NilObjectException
    Return 1
  End Function

  Function Outer(s As String) As Integer
    Return Inner(s + "?") + 1
  Exception
    Return -1
  End Function

  Function Again() As Integer
    Raise New NilObjectException
  Exception err As NilObjectException
    Raise err
  End Function

  Function Catch() As Integer
    Return Again()
  Exception err As NilObjectException
    Return 7
  End Function

  Function Kept(s As String) As String
    s = s + "x"
    Raise New NilObjectException
  Exception
    Return s
  End Function

  Function Cast(o As Object) As Integer
    Dim g As Guard = Guard(o)
    Return 1
  Exception err As IllegalCastException
    Return 2
  End Function

  Function Made() As Integer
    Dim g As Guard = New Guard
    If g IsA Guard Then Return Cast(g) + Cast(New NilObjectException) * 10
    Return 0
  End Function
End Class

' Objects: fields, lifecycle, virtual and interface calls, arrays, globals.
Dim Calls As Integer

Interface Area
  Function Area() As Double
End Interface

Class Shape Implements Area
  Property Name As String
  Property Cells(4) As Integer
  Property Side As Double
  Sub Constructor()
    Name = "shape"
    Cells(2) = 5
  End Sub
  Function Area() As Double
    Return Side * Side
  End Function
  Function Describe() As String
    Return "a " + Name
  End Function
End Class

Class Circle Inherits Shape
  Property Radius As Double
  Sub Constructor(r As Double)
    Radius = r
    Name = "circle"
  End Sub
  Function Area() As Double
    Return 3 * Radius * Radius
  End Function
  Function Describe() As String
    Return "round " + Name
  End Function
End Class

' A method whose object loses its last other reference during the call.
Dim Holder As Keeper
Dim Farewells As String

Class Keeper
  Property Name As String
  Sub Destructor()
    Farewells = Farewells + "~" + Name
  End Sub
  Function Drop() As String
    Holder = Nil
    Return Farewells + "|" + Name
  End Function
End Class

Class Objects
  Function Dropped() As String
    Holder = New Keeper
    Holder.Name = "kept"
    Dim seen As String = Holder.Drop()
    seen = seen + "|" + Farewells
    Farewells = ""
    Return seen
  End Function

  Function Areas() As Double
    Dim a As Area = New Circle(2.0)
    Dim s As Shape = New Shape
    s.Side = 3
    Dim b As Area = s
    Return a.Area() + b.Area()
  End Function

  Function Make() As Shape
    Return New Shape
  End Function

  Function Names() As String
    Dim s As Shape = New Circle(1.0)
    Return s.Describe() + "/" + Make().Describe() + "/" + Make().Name
  End Function

  Function CellsOf() As Integer
    Dim s As Shape = New Shape
    s.Cells(3) = 4
    Return s.Cells(2) + s.Cells(3)
  End Function

  Function LocalArray(n As Integer) As Integer
    Dim values(10) As Integer
    Dim total As Integer
    Dim i As Integer
    For i = 0 To 10
      values(i) = i * n
    Next
    For i = 0 To 10
      total = total + values(i)
    Next
    Return total
  End Function

  Function Count() As Integer
    Calls = Calls + 1
    Return Calls
  End Function
End Class

' More forms: Single, ByRef strings, Boolean operators, string order, Double
' loops, exits, powers, and a nil object met at run time.
Class Forms
  Function Half(x As Single) As Single
    Return x / 2
  End Function

  Sub Append(ByRef s As String, tail As String)
    s = s + tail
  End Sub

  Function Appended() As String
    Dim s As String = "a"
    Append(s, "b")
    Append(s, "c")
    Return s
  End Function

  Function Logic(a As Boolean, b As Boolean) As Integer
    Dim result As Integer
    If a And b Then result = result + 1
    If a Or b Then result = result + 10
    If Not a Then result = result + 100
    Return result + (6 And 3) * 1000
  End Function

  Function Before(a As String, b As String) As Boolean
    Return a < b
  End Function

  Function Steps() As Integer
    Dim count As Integer
    Dim x As Double
    For x = 0.5 To 2.5 Step 0.5
      count = count + 1
    Next
    Return count
  End Function

  Function Exits() As Integer
    Dim n As Integer
    While True
      n = n + 1
      If n = 3 Then Exit While
    Wend
    Do
      n = n + 10
      If n > 50 Then Exit Do
    Loop
    Return n
  End Function

  Function Power() As Double
    Return 2 ^ 10 + 7 / 2
  End Function

  Function NilCall() As Integer
    Dim s As Shape
    Return Len(s.Describe())
  Exception err As NilObjectException
    Return -7
  End Function
End Class

' Handlers by class alone, and local arrays an exception passes.
Class Passing
  Function Narrow() As Integer
    Raise New NilObjectException
  Exception As IllegalCastException
    Return 1
  End Function

  Function Wide() As Integer
    Return Narrow()
  Exception As NilObjectException
    Return 2
  End Function

  Function Fill() As Integer
    Dim values(100) As Double
    values(1) = 2
    Raise New NilObjectException
  End Function

  Function Filled() As Integer
    Return Fill()
  Exception
    Return 3
  End Function

  ' Handlers that raise again while their method's arrays (the body's and
  ' the handler's own) are still held: the method's own handlers must not
  ' take the new exception, and the arrays must still be disposed once as
  ' it passes.
  Function RaiseAgain() As Integer
    Dim values(10) As Integer
    values(2) = 5
    Raise New NilObjectException
  Exception err As NilObjectException
    Dim more(3) As Integer
    more(1) = 1
    If more(1) = 1 Then Raise New NilObjectException
    Return -1
  End Function

  Function RaisedAgain() As Integer
    Return RaiseAgain()
  Exception err As NilObjectException
    Return 4
  End Function

  Function CallRaising() As Integer
    Dim values(10) As Double
    Raise New NilObjectException
  Exception
    Return Fill()
  End Function

  Function CalledRaising() As Integer
    Return CallRaising()
  Exception
    Return 5
  End Function
End Class

' A menu handler: a hook of the application's class named after its item,
' called with the window (here nothing) and the item's index.
MenuBar
  Menu "File"
    Item FileRecent "Recent"
  End Menu
End MenuBar

Class ProbeApp Inherits Application
  MenuHandler FileRecent(index As Integer) As Boolean
    Return index Mod 2 = 1
  End MenuHandler
End Class
