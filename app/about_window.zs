' The about box: shown first at start; "OK" closes it and the main window
' takes over.
Const CR = Chr(13)

Window AboutWin Inherits Applet
  Frame = 1
  HasBackColor = False
  BackColor = 16777215
  Backdrop = 0
  Title = "About..."
  Visible = True
  CloseBox = True
  GrowIcon = True
  ZoomIcon = True
  MacProcID = 0
  Placement = 2
  Width = 390
  Height = 249
  MinWidth = 64
  MinHeight = 64
  MaxWidth = 32000
  MaxHeight = 32000

  Control StaticText1 As StaticText
    Left = 13
    Top = 13
    Width = 264
    Height = 27
    TextFont = "System"
    TextSize = 12
    Bold = False
    MultiLine = True
    Text = "QUELL - The Quellix"
  End Control

  Control StaticText2 As StaticText
    Left = 13
    Top = 47
    Width = 364
    Height = 80
    TextFont = "helvetica"
    TextSize = 10
    Bold = False
    MultiLine = True
    Text = "Use this application to extract raman data from a Gaussian output file. You  may save them to a textfile or create a plot on the screen." + CR + CR + "If you export the plot data you may re-read the file with MS Excel to create the plot there."
  End Control

  Control StaticText3 As StaticText
    Left = 13
    Top = 131
    Width = 364
    Height = 75
    TextFont = "helvetica"
    TextSize = 10
    Bold = False
    MultiLine = True
    Text = "Please note that some functions (CopyToClip, Save as JPEG) are available in the Macintosh version only." + CR + CR + "This is due to the developement environment. I hope that the functions will be available in the future."
  End Control

  Control PushButton1 As PushButton
    Left = 313
    Top = 213
    Width = 62
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "OK"
    Default = True
    Cancel = False
    Enabled = True

    Event Action()
      Close
    End Event
  End Control
End Window

DefaultWindow AboutWin
