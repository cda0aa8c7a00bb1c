#pragma once

// The window toggles of the current regulator's windows: each keeps three things equal —
// whether the window is open, the check mark of its menu item and the pressed state of its
// toolbar button. The front panel and the data window call them from their own opening and
// closing; the menus and the toolbar call them on the operator's request.
class OknaRegulatora
{
  public:
    virtual ~OknaRegulatora() = default;
    virtual void PokazPanel(bool Pokaz) = 0;
    virtual void PokazDane(bool Pokaz) = 0;
    virtual void UstawMonitoring(bool Wlacz) = 0;
};
