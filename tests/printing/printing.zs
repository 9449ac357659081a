' Prints on the printer confirmed in the print dialog: a line one inch long,
' one inch from the printable area's left and top edges, and a text on the
' first page, the same line on the second. Letting go of the graphics ends
' the job. Cancelling the dialog gives no graphics.
Class PrintTwoPages Inherits Application
  Event Open()
    Dim g As Graphics = OpenPrinterDialog(Nil)
    If g = Nil Then
      MsgBox "no printer graphics"
    Else
      MsgBox "page " + Str(g.Width) + " x " + Str(g.Height) + ", copies " + Str(g.Copies)
      g.DrawLine(72, 72, 144, 72)
      g.TextSize = 24
      g.DrawString("Quellix", 72, 216, 0)
      g.NextPage
      g.DrawLine(72, 72, 144, 72)
      g = Nil
      MsgBox "printed"
    End If
  End Event
End Class
