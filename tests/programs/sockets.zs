' Two sockets of one program talk over the loopback interface. The test
' writes a free port into the file port.txt beside the program and presses
' Start: Server listens there and echoes what it receives, Caller writes
' once it is connected (connecting empties the buffers). Each socket notes its events; the title shows both notes.
Dim CallerNotes As String
Dim ServerNotes As String

Class Echo Inherits Socket
  Event Connected()
    Talk.NoteServer("connected from " + RemoteAddress)
  End Event

  Event DataAvailable()
    Dim bits As Integer = GetEvents()
    Talk.NoteServer("events " + Str(bits) + " " + Str(GetEvents()))
    Write(ReadAll())
  End Event

  Event Error()
    Talk.NoteServer("error " + Str(LastErrorCode))
  End Event
End Class

Class Caller Inherits Socket
  Event Connected()
    Talk.NoteCaller("connected")
    Write("ping-pong")
  End Event

  Event SendComplete()
    Talk.NoteCaller("sent")
  End Event

  ' The echo may come in pieces; it is read once it is all there.
  Event DataAvailable()
    If Len(Lookahead) < 9 Then Return
    Dim bits As Integer = GetEvents()
    Dim peek As String = Lookahead
    Dim front As String = Read(4)
    Talk.NoteCaller("events " + Str(bits) + " got " + peek + " as " + front + "|" + Read(100))
  End Event

  Event Error()
    Talk.NoteCaller("error " + Str(LastErrorCode))
  End Event
End Class

Dim Server As Echo
Dim Client As Caller

Window Talk
  Title = "sockets"
  Visible = True
  Width = 400
  Height = 120

  Sub NoteCaller(note As String)
    CallerNotes = CallerNotes + note + "; "
    Title = CallerNotes + "/ " + ServerNotes
  End Sub

  Sub NoteServer(note As String)
    ServerNotes = ServerNotes + note + "; "
    Title = CallerNotes + "/ " + ServerNotes
  End Sub

  Control StartButton As PushButton
    Left = 10
    Top = 10
    Width = 80
    Height = 24
    Caption = "Start"
    Enabled = True
    Event Action()
      Dim port As Integer = Val(GetFolderItem("port.txt").OpenAsTextFile().ReadLine())
      Server = New Echo
      Server.Port = port
      Server.Listen
      Client = New Caller
      Client.Address = "127.0.0.1"
      Client.Port = port
      Client.Connect
    End Event
  End Control

  ' The server goes: the caller loses its connection.
  Control HangUpButton As PushButton
    Left = 100
    Top = 10
    Width = 80
    Height = 24
    Caption = "Hang up"
    Enabled = True
    Event Action()
      Server.Close
    End Event
  End Control

  ' Closing raises nothing; the socket then connects again, but the server
  ' served its one client and nobody listens any more.
  Control AgainButton As PushButton
    Left = 190
    Top = 10
    Width = 80
    Height = 24
    Caption = "Again"
    Enabled = True
    Event Action()
      CallerNotes = ""
      Client.Close
      Client.Connect
    End Event
  End Control

  Control NowhereButton As PushButton
    Left = 280
    Top = 10
    Width = 80
    Height = 24
    Caption = "Nowhere"
    Enabled = True
    Event Action()
      CallerNotes = ""
      Client.Address = "no..such..host"
      Client.Connect
      NoteCaller("at once " + Str(Client.LastErrorCode))
    End Event
  End Control
End Window

DefaultWindow Talk
