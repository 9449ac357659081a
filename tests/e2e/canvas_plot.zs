' A window whose canvas draws a small plot into an off-screen picture of
' depth 8 and then the picture into itself, as the application's plot
' window does: a frame round its edge, a filled block and a diagonal line.
Window PlotWin
  Frame = 0
  Placement = 0
  Title = "Canvas plot"
  Visible = True
  CloseBox = True
  Width = 240
  Height = 180
  Control Plot As Canvas
    Left = 20
    Top = 10
    Width = 200
    Height = 150
    Visible = True
    Event Paint(g As Graphics)
      Dim picture As Picture = NewPicture(200, 150, 8)
      Dim drawing As Graphics = picture.Graphics
      drawing.ForeColor = RGB(0, 0, 0)
      drawing.DrawRect(0, 0, 199, 149)             ' an outline covers both of its edges
      drawing.ForeColor = RGB(255, 0, 0)
      drawing.FillRect(20, 30, 50, 40)
      drawing.ForeColor = RGB(0, 0, 255)
      drawing.DrawLine(100, 140, 190, 50)
      g.DrawPicture(picture, 0, 0, -10000, -10000, 0, 0, -10000, -10000)
    End Event
  End Control
End Window

DefaultWindow PlotWin
