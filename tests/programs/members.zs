' Members that take arguments, and built-in functions beside properties of
' the same name: a picture's pixels are written and read back through
' Pixel(x, y), and the Left and Right properties leave Left(text, count)
' and Right(text, count) to the built-ins.
'
' RGB(10, 20, 30) is 0x0A141E; a new picture is white.
' expect: 660510 660511 white ab|def
Class Members Inherits Application
  Property Left As Integer
  Property Right As Integer

  Function Shade(g As Graphics) As String
    g.Pixel(1, 2) = RGB(10, 20, 30)
    g.Pixel(3, 0) = g.Pixel(1, 2) + 1
    Dim corner As String = "coloured"
    If g.Pixel(0, 0) = RGB(255, 255, 255) Then corner = "white"
    Return Str(g.Pixel(1, 2)) + " " + Str(g.Pixel(3, 0)) + " " + corner
  End Function

  Function Edges(text As String) As String
    Return Left(text, Left) + "|" + Right(text, Right)
  End Function

  Event Open()
    Left = 2
    Right = 3
    Dim p As Picture = NewPicture(4, 3, 32)
    MsgBox Shade(p.Graphics) + " " + Edges("abcdef")
  End Event
End Class
