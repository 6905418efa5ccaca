#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the model's icon, the module's name and release, and the
// build's version with the SNMPv3 protocols of the linked SNMP library.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char *ReleaseText = "Release Version 2.0";
    static constexpr const char *BuildText = "Release Version 2.00V09(Build 2008/12/12)";

    explicit TAboutForm(QWidget *parent);

    QString versionText() const;
    QPushButton *okButton() const { return BT_Ok; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *Image2400 = nullptr;
    QLabel *Image2400P = nullptr;
    QLabel *Image4800 = nullptr;
    QLabel *Image4800P = nullptr;
    QLabel *Image2400G = nullptr;
    QLabel *AboutLabel = nullptr;
    QLabel *VersionLabel = nullptr;
    QLabel *NoticeLabel = nullptr;
    QLabel *LibraryLabel = nullptr;
    QPushButton *BT_Ok = nullptr;
};
