' A window that holds the menu bar: the F5 shortcut reaches the window's
' menu handler, which shows a message box, and the Quit item, which no
' handler takes, quits the program.
Dim Refreshes As Integer

MenuBar
  Menu "File"
    Item FileRefresh "Refresh" Key "F5"
    Separator
    Item FileQuit "Quit" Key "Q" As QuitMenuItem
  End Menu
End MenuBar

Window Viewer
  Title = "Viewer"
  Visible = True
  Width = 240
  Height = 120

  MenuHandler FileRefresh() As Boolean
    Refreshes = Refreshes + 1
    MsgBox "refreshed " + Str(Refreshes)
    Return True
  End MenuHandler
End Window

DefaultWindow Viewer
