' A window with three separators of the appearance-controls library: a wide
' one, a tall one and a square one, drawn by the library into the window.
Plugin "zoltbap1.dll"

Window SeparatorWin
  Frame = 0
  Placement = 0
  Title = "Separators"
  Visible = True
  CloseBox = True
  Width = 200
  Height = 160
  Control Wide As Separator
    Left = 10
    Top = 10
    Width = 99
    Height = 4
  End Control
  Control Tall As Separator
    Left = 10
    Top = 30
    Width = 4
    Height = 99
  End Control
  Control Square As Separator
    Left = 50
    Top = 30
    Width = 20
    Height = 20
  End Control
End Window

DefaultWindow SeparatorWin
