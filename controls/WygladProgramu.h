#pragma once

class QDate;
class QDateEdit;
class QDialog;
class QWidget;

// The program's look wherever it runs. The operator works with Polish regional settings and the
// windows are laid out in twips for an 8-point face of Arial's width.

// Sets the face and installs Qt's own Polish texts (standard buttons, calendars, the print
// preview). Called once the application object exists; the tests call it too, so that what
// they measure and draw is what the operator sees.
void UstawWygladProgramu();

// A dialog of one size, the size its layout needs: its frame offers no minimise or maximise
// button, whatever the window manager would add to a plain dialog.
void StalyRozmiar(QDialog& dialog);

// A date picker as the windows use it: a calendar drops down, and the date, day and month
// names follow the operator's Polish regional settings whatever the machine's own locale.
QDateEdit* PoleDaty(const QDate& data, QWidget* parent = nullptr);
