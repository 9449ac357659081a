' A list box filled and read by compiled code: rows and cells, a folder
' whose ExpandRow handler adds rows under it, a check box cell, and a cell
' of a row beyond the list, which raises OutOfBoundsException.
'
' Row 0 holds 1600 and 0.5. Opening the folder at row 1 puts "a" and "b"
' under it, before the row added after the folder, so the list has 5 rows
' and LastIndex is 3. Row 2's check box cell is checked; Cell(ListCount, 0)
' raises and the function's handler takes it.
' expect: 5 3 1600 0.5 a b after open checked out of bounds
Window Lists
  Title = "Lists"
  Visible = True
  Width = 240
  Height = 540
  Control ListBox1 As Listbox
    Left = 14
    Top = 30
    Width = 201
    Height = 488
    TextFont = "Arial"
    TextSize = 12
    ColumnCount = 2
    Hierarchical = True
    SelectionType = 1
    Visible = True
    Enabled = True
    Event ExpandRow(Row As Integer)
      ListBox1.AddRow("a")
      ListBox1.AddRow("b")
    End Event
    Event CellAction(Row As Integer, Column As Integer)
      ListBox1.EditCell(Row, Column + 1)
    End Event
    Event DragRow(drag As DragItem, row As Integer) As Boolean
      Return False
    End Event
  End Control

  Function Outside() As String
    Dim text As String = ListBox1.Cell(ListBox1.ListCount, 0)
    Return "inside " + text
  Exception err As OutOfBoundsException
    Return "out of bounds"
  End Function

  Function States() As String
    Dim shown As String = "closed"
    If ListBox1.Expanded(1) Then shown = "open"
    If ListBox1.CellCheck(2, 1) Then shown = shown + " checked"
    Return shown
  End Function

  Event Open()
    ListBox1.AddRow("1600")
    ListBox1.Cell(0, 1) = "0.5"
    ListBox1.AddFolder("folder")
    ListBox1.AddRow("after")
    ListBox1.Expanded(1) = True
    ListBox1.CellType(2, 1) = 2
    ListBox1.CellCheck(2, 1) = True
    MsgBox Str(ListBox1.ListCount) + " " + Str(ListBox1.LastIndex) + " " + ListBox1.Cell(0, 0) + " " + ListBox1.Cell(0, 1) + " " + ListBox1.Cell(2, 0) + " " + ListBox1.Cell(3, 0) + " " + ListBox1.Cell(4, 0) + " " + States() + " " + Outside()
    Quit
  End Event
End Window

DefaultWindow Lists
