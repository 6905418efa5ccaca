#include "app/TAboutForm.h"

#include "ModuleVersion.h"
#include "snmp/QxUsmProtocols.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// A 32 x 32 picture of a switch front: a dark body, a row of port sockets and,
// for PoE models, an amber mark.
QPixmap modelIcon(bool poe, int portRows)
{
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x2b, 0x2f, 0x36));
    p.setPen(QColor(0x10, 0x12, 0x15));
    p.drawRoundedRect(QRectF(1.5, 9.5, 29, 14), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xcc, 0xd2));
    for (int row = 0; row < portRows; ++row)
        for (int i = 0; i < 6; ++i)
            p.drawRect(QRectF(4 + i * 4, 12 + row * 5, 3, 3));
    if (poe) {
        p.setBrush(QColor(0xf0, 0xa0, 0x20));
        p.drawEllipse(QRectF(26, 12, 3, 3));
    }
    return icon;
}

QLabel *iconLabel(QWidget *parent, const char *name, const QPixmap &pixmap)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    label->setFixedSize(32, 32);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Image2400 = iconLabel(this, "Image2400", modelIcon(false, 2));
    Image2400P = iconLabel(this, "Image2400P", modelIcon(true, 2));
    Image4800 = iconLabel(this, "Image4800", modelIcon(false, 3));
    Image4800P = iconLabel(this, "Image4800P", modelIcon(true, 3));
    Image2400G = iconLabel(this, "Image2400G", modelIcon(false, 1));
    AboutLabel = new QLabel(this);
    AboutLabel->setObjectName(QStringLiteral("AboutLabel"));
    QFont bold = AboutLabel->font();
    bold.setBold(true);
    AboutLabel->setFont(bold);
    VersionLabel = new QLabel(QString::fromLatin1(ReleaseText), this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    NoticeLabel = new QLabel(QStringLiteral("Copyright (C) Brannoc Networks. All rights reserved."), this);
    // What this build is and which SNMPv3 protocols it can speak.
    LibraryLabel = new QLabel(QStringLiteral("Module %1, %2").arg(QString::fromLatin1(ModuleVersion),
                                                                   QxUsmProtocols::offered()),
                              this);
    LibraryLabel->setObjectName(QStringLiteral("LibraryLabel"));
    LibraryLabel->setWordWrap(true);
    BT_Ok = new QPushButton(QStringLiteral("OK"), this);
    BT_Ok->setObjectName(QStringLiteral("BT_Ok"));
    BT_Ok->setDefault(true);
    BT_Ok->installEventFilter(this);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    // The model icons lie on top of each other; only the managed model's shows.
    for (QLabel *icon : {Image2400, Image2400P, Image4800, Image4800P, Image2400G})
        layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(AboutLabel, 0, 1);
    layout->addWidget(VersionLabel, 1, 1);
    layout->addWidget(NoticeLabel, 2, 1);
    layout->addWidget(LibraryLabel, 3, 1);
    layout->addWidget(BT_Ok, 4, 0, 1, 2, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAboutForm::versionText() const
{
    return VersionLabel->text();
}

void TAboutForm::showEvent(QShowEvent *event)
{
    for (QLabel *icon : {Image2400, Image4800, Image4800P, Image2400G})
        icon->hide();
    Image2400P->show();
    AboutLabel->setText(QStringLiteral("Brannoc NX-2400P Management Module"));
    setWindowTitle(QStringLiteral("About NX-2400P Module"));
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
        if (key->key() == Qt::Key_F3 && mods == (Qt::ShiftModifier | Qt::AltModifier))
            VersionLabel->setText(QString::fromLatin1(BuildText));
    }
    return QDialog::eventFilter(watched, event);
}
