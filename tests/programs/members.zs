' Members that take arguments and built-in functions inside a window: a
' picture's pixels are written and read back through Pixel(x, y), and the
' window's own Left and Width properties do not hide Left(text, count).
'
' RGB(10, 20, 30) is 0x0A141E; the untouched pixel of a new picture is white.
' expect: 660510 660511 16777215 abc 200
Window Members
  Title = "Members"
  Width = 200
  Height = 100

  Function Shade(g As Graphics) As String
    g.Pixel(1, 2) = RGB(10, 20, 30)
    g.Pixel(3, 0) = g.Pixel(1, 2) + 1
    Return Str(g.Pixel(1, 2)) + " " + Str(g.Pixel(3, 0)) + " " + Str(g.Pixel(0, 0))
  End Function

  Event Open()
    Dim p As Picture = NewPicture(4, 3, 32)
    MsgBox Shade(p.Graphics) + " " + Left("abcdef", Len("abc")) + " " + Str(Width)
    Close
  End Event
End Window

DefaultWindow Members
