' A plot window: draws the spectrum of `main` with its frame, scales and
' labels into the picture all plot windows share, and shows that picture in
' its canvas. It prints the picture and saves the spectrum as a data file.
Window GraphWindow Inherits Dialog
  Frame = 0
  HasBackColor = False
  BackColor = 16777215
  Backdrop = 0
  Title = "Untitled"
  Visible = True
  CloseBox = True
  GrowIcon = False
  ZoomIcon = False
  MacProcID = 0
  Placement = 0
  Width = 672
  Height = 407
  MinWidth = 64
  MinHeight = 64
  MaxWidth = 32000
  MaxHeight = 32000

  ' The geometry of the plot, taken from the canvas at every repaint.
  Property CanvasWidth As Integer
  Property CanvasHeight As Integer
  Property PlotTop As Integer                ' the frame's edges
  Property PlotLeft As Integer
  Property PlotBottom As Integer
  Property PlotRight As Integer
  Property XScale As Double                  ' pixels per cm-1
  Property YScale As Double                  ' pixels per intensity unit

  Control PushButton1 As PushButton
    Left = 567
    Top = 371
    Width = 82
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Close"
    Default = True
    Cancel = False
    Enabled = True
    Event Action()
      Close
    End Event
  End Control

  Control Canvas1 As Canvas
    Left = 15
    Top = 15
    Width = 526
    Height = 378
    Backdrop = 0
    Enabled = True
    ' The picture goes into the canvas's own graphics, the one that stays
    ' with the canvas, rather than into the graphics of this paint.
    Event Paint(g As Graphics)
      DrawPlot
      Canvas1.Graphics.DrawPicture(main.SmallPict, 0, 0, -10000, -10000, 0, 0, -10000, -10000)
    End Event
  End Control

  Control PushButton2 As PushButton
    Left = 567
    Top = 275
    Width = 82
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Print"
    Default = False
    Cancel = False
    Enabled = True
    Event Action()
      PrintPlot
    End Event
  End Control

  Control PushButton3 As PushButton
    Left = 567
    Top = 60
    Width = 82
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Save JPEG"
    Default = False
    Cancel = False
    Enabled = True
    Event Action()
      SaveJPEG
    End Event
  End Control

  Control PushButton4 As PushButton
    Left = 567
    Top = 28
    Width = 82
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Copy 2 Clip"
    Default = False
    Cancel = False
    Enabled = True
    Event Action()
      CopyToClip
    End Event
  End Control

  Control PushButton5 As PushButton
    Left = 567
    Top = 148
    Width = 82
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Save Data"
    Default = False
    Cancel = False
    Enabled = True
    Event Action()
      DataExport
    End Event
  End Control

  Control StaticText2 As StaticText
    Left = 568
    Top = 186
    Width = 91
    Height = 67
    TextFont = "Helvetica"
    TextSize = 10
    Bold = False
    Text = "Saves the plot as tab separated textfile..."
    MultiLine = True
  End Control

  Control GroupBox1 As GroupBox
    Left = 559
    Top = 8
    Width = 100
    Height = 87
    TextFont = "Helvetica"
    TextSize = 11
    Bold = True
    Caption = "Mac only:"
    Enabled = True
  End Control

  Sub ClearPlot()
    If main.SmallPict = Nil Then Return
    Dim g As Graphics = main.SmallPict.Graphics
    g.ForeColor = RGB(255, 255, 255)
    g.FillRect(1, 1, CanvasWidth - 1, CanvasHeight - 1)
    g.ForeColor = RGB(0, 0, 0)
  End Sub

  Sub DrawFrame()
    Dim g As Graphics = main.SmallPict.Graphics
    g.DrawLine(PlotLeft, PlotTop, PlotLeft, PlotBottom)
    g.DrawLine(PlotLeft, PlotTop, PlotRight, PlotTop)
    g.DrawLine(PlotLeft, PlotBottom, PlotRight, PlotBottom)
    g.DrawLine(PlotRight, PlotTop, PlotRight, PlotBottom)
  End Sub

  ' Ticks every 500 cm-1 below the frame, each labelled in its middle.
  Sub DrawXScale()
    Dim g As Graphics = main.SmallPict.Graphics
    For i = 0 To 8
      Dim v As Integer = 500 * i
      Dim x As Integer = Round(v * XScale) + PlotLeft
      g.DrawLine(x, PlotBottom, x, PlotBottom + 5)
      Dim label As String = Str(v)
      g.DrawString(label, x - g.StringWidth(label) / 2, PlotBottom + 20, 0)
    Next
    Dim title As String = "Wavelength [1/cm] ->"
    g.DrawString(title, (PlotLeft + PlotRight) / 2 - g.StringWidth(title) / 2, PlotBottom + 36, 0)
  End Sub

  ' Ticks every 20 intensity units left of the frame, labels right-aligned
  ' 10 pixels from it.
  Sub DrawYScale()
    Dim g As Graphics = main.SmallPict.Graphics
    For i = 0 To 5
      Dim v As Integer = 20 * i
      Dim y As Integer = PlotBottom - Round(v * YScale)
      g.DrawLine(PlotLeft - 5, y, PlotLeft, y)
      Dim label As String = Str(v)
      g.DrawString(label, PlotLeft - g.StringWidth(label) - 10, y + 5, 0)
    Next
    g.DrawString("Int.", PlotLeft - 30, (PlotTop + PlotBottom) / 2 + 5, 0)
  End Sub

  ' The curve as vertical segments, one per cm-1, each in the column of its
  ' first point from that point's height towards the next one's.
  Sub DrawPoints()
    Dim g As Graphics = main.SmallPict.Graphics
    g.ForeColor = RGB(0, 100, 100)
    For i = 0 To 3999
      Dim x1 As Integer = Round(i * XScale) + PlotLeft
      Dim x2 As Integer = Round((i + 1) * XScale) + PlotLeft
      Dim y1 As Integer = PlotBottom - Round(main.Spectrum(i) * YScale * 0.98)
      Dim y2 As Integer = PlotBottom - Round(main.Spectrum(i + 1) * YScale * 0.98)
      If x2 > x1 Then x2 = x1
      g.DrawLine(x1, y1, x2, y2)
    Next
    g.ForeColor = RGB(0, 0, 0)
  End Sub

  Sub DrawPlot()
    InitPlot
    ClearPlot
    DrawFrame
    DrawXScale
    DrawYScale
    DrawPoints
  End Sub

  ' A fresh picture at the canvas's current size, and the frame's place in it.
  Sub InitPlot()
    CanvasWidth = Canvas1.Width
    CanvasHeight = Canvas1.Height
    main.SmallPict = NewPicture(CanvasWidth, CanvasHeight, 8)
    If main.SmallPict = Nil Then
      MsgBox "Call to NewPicture for SmallPict failed..."
      Quit
    End If
    PlotTop = 18
    PlotLeft = 40
    PlotBottom = CanvasHeight - 50
    PlotRight = CanvasWidth - 18
    XScale = (PlotRight - PlotLeft) / 4000
    YScale = (PlotBottom - PlotTop) / 100
    Dim g As Graphics = main.SmallPict.Graphics
    g.TextFont = "Helvetica"
    g.TextSize = 10
  End Sub

  ' The shared picture on one printed page; the page comes out when its
  ' graphics goes.
  Sub PrintPlot()
    Dim page As Graphics = OpenPrinterDialog(Nil)
    If page = Nil Then Return
    page.DrawPicture(main.SmallPict, 0, 0, -10000, -10000, 0, 0, -10000, -10000)
  End Sub

  Sub DataExport()
    main.CreateSpecFile
    main.WriteSpecFile
  End Sub

  ' Behind a button that stays disabled on this platform: the double-size
  ' plot as a JPEG file.
  Sub SaveJPEG()
    Dim setup As PrinterSetup = New PrinterSetup
    If Not setup.PageSetup() Then Return
    main.BigPict = NewPicture(2 * CanvasWidth, 2 * CanvasHeight, Screen(0).Depth)
    Dim file As FolderItem = GetSaveFolderItem("JPEG file (*.jpg)", main.BaseName + ".jpg")
    If file = Nil Then Return
    file.MacCreator = "ogle"
    file.SaveAsJPEG main.BigPict
    MsgBox "Saved " + file.AbsolutePath
  End Sub

  ' Behind a button that stays disabled on this platform: the double-size
  ' plot on the clipboard.
  Sub CopyToClip()
    Dim clip As Clipboard = New Clipboard
    clip.Picture = main.BigPict
    clip.Close
  End Sub
End Window
