' Timers made with New, and one that the window's definition places, set
' going by the test through the window's buttons. Every firing shows in the window's title, which the test watches
' with its own clock; Report shows the order in which they fired.
Dim Fired As Integer
Dim Order As String
Dim Busy As Boolean
Dim OneShot As Ticker
Dim Repeating As Ticker
Dim Slowly As Ticker
Dim Older As Ticker
Dim Newer As Ticker

Class Ticker Inherits Timer
  Property Label As String

  Event Action()
    Fired = Fired + 1
    If Busy Then Order = Order + " during"
    Order = Order + " " + Label
    Watch.Title = Label + " " + Str(Fired) + " mode " + Str(Mode)
  End Event
End Class

Window Watch
  Title = "timers"
  Visible = True
  Width = 400
  Height = 130

  Function Made(label As String, period As Integer) As Ticker
    Dim t As Ticker = New Ticker
    t.Label = label
    t.Period = period
    Fired = 0
    Order = ""
    Return t
  End Function

  Control SingleButton As PushButton
    Left = 10
    Top = 10
    Width = 80
    Height = 24
    Caption = "Single"
    Enabled = True
    Event Action()
      OneShot = Made("single", 500)
      OneShot.Mode = 1
      Title = "single armed"
    End Event
  End Control

  Control MultipleButton As PushButton
    Left = 100
    Top = 10
    Width = 80
    Height = 24
    Caption = "Multiple"
    Enabled = True
    Event Action()
      Repeating = Made("multiple", 100)
      Repeating.Mode = 2
      Title = "multiple armed"
    End Event
  End Control

  Control SlowButton As PushButton
    Left = 190
    Top = 10
    Width = 80
    Height = 24
    Caption = "Slow"
    Enabled = True
    Event Action()
      Slowly = Made("slow", 5000)
      Slowly.Mode = 2
      Title = "slow armed"
    End Event
  End Control

  Control ShortenButton As PushButton
    Left = 280
    Top = 10
    Width = 80
    Height = 24
    Caption = "Shorten"
    Enabled = True
    Event Action()
      Slowly.Period = 1000
    End Event
  End Control

  Control RearmButton As PushButton
    Left = 10
    Top = 50
    Width = 80
    Height = 24
    Caption = "Rearm"
    Enabled = True
    Event Action()
      Slowly.Mode = 2
      Title = "slow rearmed"
    End Event
  End Control

  ' Both are due long before the busy loop ends; its background calls must
  ' not fire them.
  Control PairButton As PushButton
    Left = 100
    Top = 50
    Width = 80
    Height = 24
    Caption = "Pair"
    Enabled = True
    Event Action()
      Dim sum As Integer
      Older = Made("older", 5)
      Newer = Made("newer", 5)
      Older.Mode = 1
      Newer.Mode = 1
      Busy = True
      For i = 1 To 20000000
        sum = sum + i
      Next
      Busy = False
      Title = "pair armed"
    End Event
  End Control

  Control Blink As Timer
    Period = 300
    Mode = 0
    Event Action()
      Title = "blink mode " + Str(Blink.Mode) + " period " + Str(Blink.Period)
    End Event
  End Control

  Control BlinkButton As PushButton
    Left = 10
    Top = 90
    Width = 80
    Height = 24
    Caption = "Blink"
    Enabled = True
    Event Action()
      Blink.Mode = 1
      Title = "blink armed"
    End Event
  End Control

  Control ReportButton As PushButton
    Left = 190
    Top = 50
    Width = 80
    Height = 24
    Caption = "Report"
    Enabled = True
    Event Action()
      Title = "order:" + Order
    End Event
  End Control

  ' Every timer goes: the last reference is dropped, which takes it off the
  ' timer list.
  Control StopButton As PushButton
    Left = 280
    Top = 50
    Width = 80
    Height = 24
    Caption = "Stop"
    Enabled = True
    Event Action()
      OneShot = Nil
      Repeating = Nil
      Slowly = Nil
      Older = Nil
      Newer = Nil
      Title = "stopped"
    End Event
  End Control
End Window

DefaultWindow Watch
