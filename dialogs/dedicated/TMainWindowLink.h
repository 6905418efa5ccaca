#pragma once

class QString;

// What a dedicated dialog may ask of the module's main window, its owner: the
// spanning-tree version the window shows ("stp", "rstp" or "mstp"). The main
// window implements it; a dialog finds it among its owners.
class TMainWindowLink
{
public:
    virtual ~TMainWindowLink() = default;
    virtual QString stpVersionText() const = 0;
    virtual void setStpVersionText(const QString &version) = 0;

protected:
    TMainWindowLink() = default;
    TMainWindowLink(const TMainWindowLink &) = default;
    TMainWindowLink &operator=(const TMainWindowLink &) = default;
};
