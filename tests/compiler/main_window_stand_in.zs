' A stand-in for the application's main window, which the About window's "OK"
' calls: the real one places controls of the appearance plug-in, whose
' library only the Windows build makes.
Window main Inherits Dialog
  Sub Main_Part()
  End Sub
End Window
