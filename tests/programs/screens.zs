' The screens: one, the private display of the tests (1280 by 1024), whose
' depth makes a picture that keeps the colour drawn into it.
' expect: 1 screen, 0 0 1280 1024, second Nil, depth kept colour
Class Screens Inherits Application
  Event Open()
    Dim first As Screen = Screen(0)
    Dim shown As String = Str(ScreenCount()) + " screen, " + Str(first.Left) + " " + Str(first.Top) + " "
    shown = shown + Str(first.Width) + " " + Str(Screen(0).Height)
    If Screen(1) = Nil Then shown = shown + ", second Nil"
    Dim image As Picture = NewPicture(4, 4, first.Depth)
    image.Graphics.Pixel(1, 1) = RGB(18, 52, 86)
    If image.Graphics.Pixel(1, 1) = RGB(18, 52, 86) Then shown = shown + ", depth kept colour"
    MsgBox shown
  End Event
End Class
