#include "app/about_box.h"

#include "common/pictures.h"
#include "common/window_style.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvane {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tapropos"));
    FrameDialog(this, {.title = QStringLiteral("A propos"), .size = {422, 369}});

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(9, 8, 405, 297);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    icon->setGeometry(20, 14, 48, 48);

    auto* product = new QLabel(QStringLiteral("Orvane"), panel);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setFont(WindowFont(true, 16));
    product->move(87, 17);
    product->adjustSize();

    auto* version = new QLabel(QStringLiteral("V " ORVANE_VERSION), panel);
    version->setObjectName(QStringLiteral("lversion"));
    version->setFont(WindowFont(true));
    version->move(88, 40);
    version->adjustSize();

    auto* title = new QLabel(panel);
    title->setObjectName(QStringLiteral("TitlePicture"));
    title->setPixmap(TitlePicture());
    title->setGeometry(26, 90, 352, 47);

    auto* memo = new QPlainTextEdit(panel);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setGeometry(8, 208, 393, 81);
    memo->setPlainText(
        QStringLiteral("The author assume no responsabilities from the lost or \n"
                       "gains obtained with the use of this software.\n"
                       "It also decline responsabilities if any of the wheels of this \n"
                       "software has an error."));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setFont(WindowFont(true));
    ok->setGeometry(173, 315, 77, 46);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

} // namespace orvane
