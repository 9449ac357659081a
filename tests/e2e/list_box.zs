' A window holding a list like the application's main list: a folder and
' 299 rows of two cells (and a third cell beyond ColumnCount), and a
' disabled list with a selected row. The window's title tells the test what
' the list's events did; a double click opens the folder.
Dim Changes As Integer
Dim Doubles As Integer
Dim Caught As String

Window Lists
  Title = "List box"
  Visible = True
  Width = 420
  Height = 530
  Control ListBox1 As Listbox
    Left = 14
    Top = 30
    Width = 201
    Height = 488
    TextFont = "Arial"
    TextSize = 12
    ColumnCount = 2
    ColumnWidths = ""
    HasHeading = False
    UseFocusRing = False
    InitialValue = ""
    Hierarchical = True
    EnableDrag = False
    SelectionType = 1
    Enabled = True
    Visible = True
    LockLeft = True
    LockTop = True
    LockBottom = True
    Event Change()
      Changes = Changes + 1
      Report
    End Event
    Event DoubleClick()
      Doubles = Doubles + 1
      If Not ListBox1.Expanded(0) Then ListBox1.Expanded(0) = True
      Report
    End Event
    Event ExpandRow(Row As Integer)
      ListBox1.AddRow("child of " + ListBox1.Cell(Row, 0))
      Report
    End Event
  End Control
  Control ListBox2 As Listbox
    Left = 240
    Top = 30
    Width = 160
    Height = 100
    TextFont = "Arial"
    TextSize = 12
    ColumnCount = 1
    Enabled = False
    Visible = True
  End Control

  Sub Report()
    Title = "changes " + Str(Changes) + " doubles " + Str(Doubles) + " index " + Str(ListBox1.ListIndex) + _
      " selected " + Str(ListBox1.SelCount) + " " + Caught
  End Sub

  ' A row number equal to ListCount is beyond the last row.
  Function ReadBeyondTheEnd() As String
    Return "read " + ListBox1.Cell(ListBox1.ListCount, 0)
  Exception err As OutOfBoundsException
    Return "caught"
  End Function

  Event Open()
    ListBox1.AddFolder("folder")
    For i = 1 To 299
      ListBox1.AddRow(Str(1000 + i))
      ListBox1.Cell(ListBox1.LastIndex, 1) = Str(i)
      ListBox1.Cell(ListBox1.LastIndex, 2) = "hidden"
    Next
    ListBox2.AddRow("greyed")
    ListBox2.ListIndex = 0
    Caught = ReadBeyondTheEnd()
    Report
  End Event
End Window

DefaultWindow Lists
