' The main window: the list of modes read from a Gaussian output file, the
' buttons that turn it into a line list and a spectrum, and the methods that
' read, compute and save. Plot windows and the about box reach it through its
' implicit instance, `main`.
Window main Inherits Dialog
  Frame = 0
  HasBackColor = False
  BackColor = 16777215
  Backdrop = 0
  Title = "Quellix 1.0"
  Visible = True
  CloseBox = True
  GrowIcon = False
  ZoomIcon = False
  MacProcID = 0
  Placement = 0
  Width = 366
  Height = 532
  MinWidth = 376
  MinHeight = 424
  MaxWidth = 376
  MaxHeight = 32000

  Property InputStream As TextInputStream   ' the open Gaussian output file
  Property BaseName As String               ' the input file's name up to its first "."
  Property InputFile As FolderItem          ' the chosen Gaussian output file
  Property ListFile As FolderItem           ' where "Save List" writes
  Property ListStream As TextOutputStream
  Property FreqLine As String                ' the frequencies line being split
  Property ActivityLine As String            ' the activities line being split
  Property Freq(0) As Integer                ' the line list: rounded frequencies from index 1
  Property Inten(0) As Double                ' and their intensities
  Property PlotWin As GraphWindow            ' the plot window opened last
  Property SmallPict As Picture              ' the plot, shared by every plot window
  Property Spectrum(4001) As Double          ' one value per cm-1 from 0 to 4000
  Property SpecFile As FolderItem            ' where "Save Data" writes
  Property SpecStream As TextOutputStream
  Property BigPict As Picture                ' a double-size plot; never made on this platform

  Const Marker = "Frequencies -- "           ' a line holding it starts a block of three modes
  Const ColumnGap = "            "           ' 12 blanks between two values of a block

  Control StaticText1 As StaticText
    Left = 242
    Top = 9
    Width = 24
    Height = 16
    TextFont = "Helvetica"
    TextSize = 11
    Bold = True
    Text = "File:"
    MultiLine = False
    LockTop = True
    LockRight = True
  End Control

  Control StaticText2 As StaticText
    Left = 265
    Top = 9
    Width = 148
    Height = 16
    TextFont = "Helvetica"
    TextSize = 11
    Bold = True
    Text = "no file selected"
    MultiLine = False
    LockTop = True
    LockRight = True
  End Control

  Control ListBox1 As Listbox
    Left = 14
    Top = 30
    Width = 201
    Height = 488
    TextFont = "Arial"
    TextSize = 12
    Bold = False
    Enabled = True
    ColumnCount = 2
    ColumnWidths = ""
    HasHeading = False
    UseFocusRing = False
    InitialValue = ""
    Hierarchical = True
    EnableDrag = False
    SelectionType = 1
    LockLeft = True
    LockTop = True
    LockBottom = True
  End Control

  Control PushButton1 As PushButton
    Left = 242
    Top = 495
    Width = 99
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Quit"
    Default = True
    Cancel = False
    Enabled = True
    LockTop = True
    LockRight = True
    Event Action()
      Quit
    End Event
  End Control

  Control StaticText3 As StaticText
    Left = 16
    Top = 9
    Width = 93
    Height = 16
    TextFont = "Helvetica"
    TextSize = 11
    Bold = True
    Text = "Frequency [1/cm]"
    MultiLine = False
  End Control

  Control StaticText4 As StaticText
    Left = 130
    Top = 9
    Width = 93
    Height = 16
    TextFont = "Helvetica"
    TextSize = 11
    Bold = True
    Text = "Intensity [a.u.]"
    MultiLine = False
  End Control

  Control StaticText5 As StaticText
    Left = 242
    Top = 89
    Width = 105
    Height = 60
    TextFont = "Helvetica"
    TextSize = 10
    Bold = False
    Text = "Lines with Int. = 0 are removed,  the Freq. are rounded and the Int. are normalized."
    MultiLine = True
    LockTop = True
    LockRight = True
  End Control

  Control PushButton2 As PushButton
    Left = 242
    Top = 55
    Width = 99
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Recalculate"
    Default = False
    Cancel = False
    Enabled = True
    LockTop = True
    LockRight = True
    Event Action()
      Recalculate
      GenerateSpec
      PushButton2.Enabled = False    ' the line list is made once per run
    End Event
  End Control

  Control PushButton3 As PushButton
    Left = 242
    Top = 176
    Width = 99
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Save List"
    Default = False
    Cancel = False
    Enabled = True
    LockTop = True
    LockRight = True
    Event Action()
      OpenFreFile
      WriteFreFile
    End Event
  End Control

  Control StaticText6 As StaticText
    Left = 242
    Top = 210
    Width = 105
    Height = 60
    TextFont = "Helvetica"
    TextSize = 10
    Bold = False
    Text = "Saves the current values from the list to a tab separated text file..."
    MultiLine = True
    LockTop = True
    LockRight = True
  End Control

  Control Separator2 As Separator
    Left = 242
    Top = 152
    Width = 99
    Height = 4
    LockTop = True
    LockRight = True
  End Control

  Control PushButton4 As PushButton
    Left = 242
    Top = 280
    Width = 99
    Height = 20
    TextFont = "System"
    TextSize = 12
    Caption = "Show Plot"
    Default = False
    Cancel = False
    Enabled = True
    LockTop = True
    LockRight = True
    Event Action()
      NewGraphWin("Plot of " + InputFile.Name)
    End Event
  End Control

  Control StaticText7 As StaticText
    Left = 242
    Top = 317
    Width = 105
    Height = 60
    TextFont = "Helvetica"
    TextSize = 10
    Bold = False
    Text = "Draws the spectrum into a new window..."
    MultiLine = True
    LockTop = True
    LockRight = True
  End Control

  Control Separator1 As Separator
    Left = 243
    Top = 260
    Width = 99
    Height = 4
    LockTop = True
    LockRight = True
  End Control

  Control Separator3 As Separator
    Left = 243
    Top = 36
    Width = 99
    Height = 4
    LockTop = True
    LockRight = True
  End Control

  ' After the about box: ask for the Gaussian file, read it, and leave
  ' "Show Plot" for after "Recalculate".
  Sub Main_Part()
    OpenInputFile
    ProcessFiles
    InputStream.Close
    PushButton4.Enabled = False
    SmallPict = Nil
  End Sub

  ' ---- The Gaussian output reader ----

  ' Asks for the Gaussian output file until one opens; Cancel ends the
  ' program. A file that cannot be read is named in a message and the
  ' dialog comes again.
  Sub OpenInputFile()
    Do
      InputFile = GetOpenFolderItem("GaussianFile (*.out)")
      If InputFile = Nil Then
        Quit
        Return
      End If
      InputStream = InputFile.OpenAsTextFile()
      If InputStream = Nil Then MsgBox "The file " + InputFile.Name + " cannot be opened."
    Loop Until InputStream <> Nil
    StaticText2.Text = InputFile.Name
    BaseName = InputFile.Name
    If InStr(1, BaseName, ".") > 0 Then BaseName = Left(BaseName, InStr(1, BaseName, ".") - 1)
  End Sub

  ' One pass over the file: every line holding the marker starts a block of
  ' three modes whose Raman activities stand on the fourth line below it; each
  ' mode becomes a row of ListBox1 with the texts as Gaussian wrote them.
  Sub ProcessFiles()
    While Not InputStream.EOF
      FreqLine = InputStream.ReadLine()
      If InStr(1, FreqLine, Marker) > 0 Then
        For i = 1 To 4
          ActivityLine = InputStream.ReadLine()
        Next
        FreqLine = ValuesOf(FreqLine)
        ActivityLine = ValuesOf(ActivityLine)
        For mode = 1 To 3
          ListBox1.AddRow ""
          Dim row As Integer = ListBox1.ListCount - 1
          ListBox1.Cell(row, 0) = NextField(FreqLine)
          ListBox1.Cell(row, 1) = NextField(ActivityLine)
        Next
      End If
    Wend
  End Sub

  ' The values of a block line, separated by single tabs: the 15-character
  ' label is cut off, a run of 12 blanks between two values becomes a tab and
  ' the other blanks go.
  Function ValuesOf(line As String) As String
    Dim values As String = LTrim(Mid(line, 16))
    values = ReplaceAll(values, ColumnGap, Chr(9))
    Return ReplaceAll(values, " ", "")
  End Function

  ' The text before the first tab of `fields`, which keeps what follows it;
  ' without a tab, all of it, and `fields` is left empty.
  Function NextField(ByRef fields As String) As String
    Dim tab As Integer = InStr(1, fields, Chr(9))
    Dim field As String = fields
    If tab > 0 Then
      field = Left(fields, tab - 1)
      fields = Mid(fields, tab + 1)
    Else
      fields = ""
    End If
    Return field
  End Function

  ' ---- The line list ----

  ' Turns the rows into the line list: frequencies rounded, intensities the
  ' square roots of the activities, zero lines dropped, adjacent lines of the
  ' same rounded frequency merged, the strongest scaled to 100. The arrays
  ' hold one slot per row plus slot 0 and the closing empty slot, so any
  ' number of lines fits.
  Sub Recalculate()
    Dim n As Integer = ListBox1.ListCount
    ReDim Freq(n + 1)
    ReDim Inten(n + 1)
    For i = 1 To n + 1
      Freq(i) = 0
      Inten(i) = 0
    Next
    Dim last As Integer = 0
    Dim k As Integer = 1
    For i = 1 To n
      Dim f As Integer = Round(Val(ListBox1.Cell(i - 1, 0)))
      Dim a As Double = Sqrt(Val(ListBox1.Cell(i - 1, 1)))
      If a <> 0 Then
        If f <> last Then
          Freq(k) = f
          Inten(k) = a
          k = k + 1
          last = f
        Else
          Inten(k - 1) = Inten(k - 1) + a
        End If
      End If
    Next
    Dim max As Double = 0
    For i = 1 To k
      If Inten(i) > max Then max = Inten(i)
    Next
    If max > 0 Then
      For i = 1 To k
        Inten(i) = 100 * Inten(i) / max
      Next
    End If
    ListBox1.DeleteAllRows
    For i = 1 To k
      If Freq(i) <> 0 Then
        ListBox1.AddRow ""
        ListBox1.Cell(ListBox1.ListCount - 1, 0) = Str(Freq(i))
        ListBox1.Cell(ListBox1.ListCount - 1, 1) = ReplaceAll(Format(Inten(i), "#.00"), ",", ".")
      End If
    Next
    PushButton4.Enabled = True
  End Sub

  ' ---- The list file ----

  Sub OpenFreFile()
    ListFile = GetSaveFolderItem("Frequencies File (*.fre)", BaseName + ".fre")
    If ListFile = Nil Then Return
    ListStream = CreatedTextFile(ListFile)
  End Sub

  ' One line per row: the frequency, a tab, the intensity, as the list shows them.
  Sub WriteFreFile()
    If ListFile = Nil Or ListStream = Nil Then Return
    For i = 1 To ListBox1.ListCount
      ListStream.WriteLine ListBox1.Cell(i - 1, 0) + Chr(9) + ListBox1.Cell(i - 1, 1)
    Next
    ListStream.Close
  End Sub

  ' A new text file at `item`, or Nil after a message naming it when it
  ' cannot be created; nothing is written then and the session goes on.
  Function CreatedTextFile(item As FolderItem) As TextOutputStream
    Dim stream As TextOutputStream = item.CreateTextFile()
    If stream = Nil Then MsgBox "The file " + item.Name + " cannot be created."
    Return stream
  End Function

  ' ---- The spectrum ----

  ' Every line of the list broadened into a band, then the whole scaled so
  ' that its highest point is 100. A spectrum without any band stays zero.
  Sub GenerateSpec()
    For r = 0 To ListBox1.ListCount - 1
      DoBand(Round(Val(ListBox1.Cell(r, 0))), Val(ListBox1.Cell(r, 1)))
    Next
    Dim max As Double = 0
    For i = 0 To 4000
      If Spectrum(i) > max Then max = Spectrum(i)
    Next
    If max = 0 Then Return
    For i = 0 To 4000
      Spectrum(i) = Spectrum(i) * 100 / max
    Next
  End Sub

  ' Adds a Gaussian band of height h centred at f cm-1 to the points
  ' f - 199 to f + 200 that lie on the grid.
  Sub DoBand(f As Integer, h As Double)
    Dim c As Double = 7.5 * Exp(0.15 * 10)
    For j = 1 To 400
      Dim x As Integer = f - 200 + j
      If x >= 0 And x <= 4000 Then
        Dim d As Integer = j - 200
        Spectrum(x) = Spectrum(x) + h * Exp(-(d * d) / c)
      End If
    Next
  End Sub

  Sub ZeroSpec()
    For i = 0 To 4000
      Spectrum(i) = 0
    Next
  End Sub

  Sub NewGraphWin(title As String)
    PlotWin = New GraphWindow
    PlotWin.Title = title
    PlotWin.PushButton3.Enabled = False
    PlotWin.PushButton4.Enabled = False
  End Sub

  ' ---- The spectrum file ----

  Sub CreateSpecFile()
    SpecFile = GetSaveFolderItem("SpectrumFile (*.tab)", BaseName + ".tab")
    If SpecFile = Nil Then Return
    SpecStream = CreatedTextFile(SpecFile)
  End Sub

  ' One line per point above 0.0001: the wavenumber, a tab and the value with
  ' two decimals after a comma.
  Sub WriteSpecFile()
    If SpecFile = Nil Or SpecStream = Nil Then Return
    For i = 0 To 4000
      If Spectrum(i) > 0.0001 Then
        SpecStream.WriteLine ReplaceAll(Str(i) + Chr(9) + Format(Spectrum(i), "#.00"), ".", ",")
      End If
    Next
    SpecStream.Close
  End Sub
End Window
