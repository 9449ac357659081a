' A program using what a plug-in built by the tests provides (tally.dll):
' a class with a superclass, a property and a method, and a global method,
' all linked at start as deferred imports: 5 + 3 is 8, 21 doubled is 42.
' The plug-in also declares one method wrongly, which the runtime reports
' at start and leaves out.
' expect: Invalid plugin method format: Broken(amount As
' expect: 8 8 42
Plugin "tally.dll"

Class App Inherits Application
  Event Open()
    Dim t As Tally = New Tally
    t.Count = 5
    Dim total As Integer = t.Add(3)
    MsgBox Str(total) + " " + Str(t.Count) + " " + Str(TwiceOf(21))
  End Event
End Class
