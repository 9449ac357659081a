' Asks for printer graphics with the dialog and without it, where there may
' be no printer at all, and shows what each gave.
Class AskForPrinters Inherits Application
  Function Outcome(g As Graphics) As String
    If g = Nil Then Return "Nil"
    Return "graphics"
  End Function

  Event Open()
    Dim answers As String = "dialog: " + Outcome(OpenPrinterDialog(Nil))
    answers = answers + ", no dialog: " + Outcome(OpenPrinter(Nil))
    MsgBox answers
  End Event
End Class
