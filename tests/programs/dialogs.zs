' The open and save dialogs with the application's two file types: each
' result is shown as its path, or "Nil" when the dialog was cancelled.
Settings
  FileType "GaussianFile (*.out)", "EDIT", "TEXT", "out"
  FileType "XYFile (*.tab)", "EDIT", "TEXT", ".tab"
End Settings

Class Chooser Inherits Application
  Event Open()
    MsgBox Shown(GetOpenFolderItem("GaussianFile (*.out)"))
    MsgBox Shown(GetOpenFolderItem("GaussianFile (*.out)"))
    MsgBox Shown(GetSaveFolderItem("XYFile (*.tab)", "spectrum"))
    MsgBox Shown(GetSaveFolderItem("SpectrumFile (*.tab)", "spectrum"))
  End Event

  Function Shown(chosen As FolderItem) As String
    If chosen = Nil Then Return "Nil"
    Return chosen.AbsolutePath
  End Function
End Class
