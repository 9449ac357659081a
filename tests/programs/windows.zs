' A window built from its definition with a push button: its Open, Action
' and Close events run compiled code, and when the last window closes the
' event loop ends and the program returns normally.
Dim Presses As Integer

Window Counter
  Title = "Counter"
  Visible = True
  Width = 240
  Height = 120
  Control Go As PushButton
    Left = 20
    Top = 20
    Width = 80
    Height = 24
    Caption = "Go"
    Visible = True
    Enabled = True
    Event Action()
      Presses = Presses + 1
      MsgBox "pressed " + Str(Presses) + " in " + Title
    End Event
  End Control

  Event Open()
    MsgBox "opened with " + Go.Caption
  End Event

  Event Close()
    MsgBox "closing after " + Str(Presses)
  End Event
End Window

DefaultWindow Counter
