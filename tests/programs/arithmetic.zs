' Numbers, strings, arrays and loops, computed when the application opens
' and shown in two message boxes; then EndException, raised past a handler
' that takes every other exception, ends the program without a word.
'
' -19: Mod and \ before +; 7 \ -3 truncates; the largest Integer + 1 wraps
' to -2^31 (shown divided by 2^16); And works on bits. 7: 1.5 * 5 truncated
' when stored in an Integer.
' expect: -19 -2 -32768 12 | 2 2.5 7 1024 1.5
' 9, 6, 3 and 0 squared; 1000 halved nine times to 1; 8 * 8 > 50; 81 kept
' by ReDim beside the new last element 400.
' expect: abc-abc <=! 7 | 126 9 8 481
Class Figures Inherits Application
  Function Integers() As String
    Dim a As Integer = 7
    Dim b As Integer = -3
    Dim biggest As Integer = 2147483647
    Return Str(a * b + a \ 2 - a Mod 3) + " " + Str(a \ b) + " " + Str((biggest + 1) \ 65536) + " " + Str(&hFF And 12)
  End Function

  Function Doubles() As String
    Dim x As Double = 1.5
    Dim n As Integer = x * 5
    Return Str(x * 4 / 3) + " " + Str(x + 1) + " " + Str(n) + " " + Str(2 ^ 10) + " " + Str(Sqrt(2.25))
  End Function

  Function Strings() As String
    Dim s As String = "abc"
    s = s + "-" + s
    Dim order As String
    If "abc" < "abd" Then order = order + "<"
    If s = "abc-abc" Then order = order + "="
    If s <> "abc" Then order = order + "!"
    Return s + " " + order + " " + Str(Len(s))
  End Function

  Function Loops() As String
    Dim squares(9) As Integer
    For i = 0 To 9
      squares(i) = i * i
    Next
    Dim sum As Integer
    For i = 9 To 0 Step -3
      sum = sum + squares(i)
    Next
    Dim halvings As Integer
    Dim n As Integer = 1000
    While n > 1
      n = n \ 2
      halvings = halvings + 1
    Wend
    Dim k As Integer
    Do
      k = k + 1
    Loop Until k * k > 50
    ReDim squares(20)
    squares(20) = 400
    Return Str(sum) + " " + Str(halvings) + " " + Str(k) + " " + Str(squares(9) + squares(20))
  End Function

  ' A handler without a class passes EndException on, so quitting from
  ' here still ends the program.
  Sub Finish()
    Dim values(3) As Integer
    Raise New EndException
  Exception
    MsgBox "EndException was taken"
  End Sub

  Event Open()
    MsgBox Integers() + " | " + Doubles()
    MsgBox Strings() + " | " + Loops()
    Finish()
    MsgBox "still running"
  End Event
End Class
