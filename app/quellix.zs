' Quellix as a whole: the plug-in that draws the separators, the file types
' and messages of its settings, the menu bar of its main window, and the
' about box it starts with.
Plugin "zoltbap1.dll"

Settings
  FileType "GaussianFile (*.out)", "EDIT", "TEXT", "out"
  FileType "XYFile (*.tab)", "EDIT", "TEXT", ".tab"
  Message 4, "An exception of class %1 was not handled." + Chr(13) + "The application must shut down."
  MDI False
  FrameTitle "Quellix Win 1.0"
End Settings

MenuBar
  Menu "File"
    Item FileQuit "Quit" Key "Q" As QuitMenuItem
  End Menu
  Menu "Edit"
    Item EditUndo "Undo" Key "Z"
    Separator
    Item EditCut "Cut" Key "X"
    Item EditCopy "Copy" Key "C"
    Item EditPaste "Paste" Key "V"
    Item EditClear "Clear"
  End Menu
End MenuBar

DefaultWindow AboutWin
