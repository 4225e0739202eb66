#include "about.h"

#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// A 32 x 32 picture of the switch: its case with two rows of ports and the status LEDs.
class TModelPicture : public QWidget {
public:
    explicit TModelPicture(QWidget* parent) : QWidget(parent) { setFixedSize(32, 32); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(1, 9, 30, 14, QColor(0x6b, 0x73, 0x7b));
        painter.setPen(QColor(0x2b, 0x30, 0x36));
        painter.drawRect(1, 9, 29, 13);
        for (int port = 0; port < 6; ++port)
            for (int row = 0; row < 2; ++row) painter.fillRect(8 + port * 4, 11 + row * 5, 3, 3, QColor(0x1a, 0x1a, 0x1a));
        painter.fillRect(3, 12, 2, 2, QColor(0x30, 0xd0, 0x40));
        painter.fillRect(3, 16, 2, 2, QColor(0xf0, 0xa0, 0x20));
    }
};

const QString ShortVersion = QStringLiteral("Release Version 2.70 ");
const QString FullVersion = QStringLiteral("Release Version 2.70R16(Build 2010/4/19) ");

}  // namespace

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    auto* grid = new QGridLayout(this);
    Image5124 = new TModelPicture(this);
    Image5124->setObjectName(QStringLiteral("Image5124"));
    AboutLabel = new QLabel(this);
    AboutLabel->setObjectName(QStringLiteral("AboutLabel"));
    QFont heading = AboutLabel->font();
    heading.setBold(true);
    heading.setPixelSize(12);
    AboutLabel->setFont(heading);
    VersionLabel = new QLabel(this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    auto* notice = new QLabel(QStringLiteral("Management of the switch over SNMP."), this);
    BT_Ok = new QPushButton(QStringLiteral("OK"), this);
    BT_Ok->setObjectName(QStringLiteral("BT_Ok"));
    BT_Ok->setDefault(true);
    grid->addWidget(Image5124, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(AboutLabel, 0, 1);
    grid->addWidget(VersionLabel, 1, 1);
    grid->addWidget(notice, 2, 1);
    grid->addWidget(BT_Ok, 3, 0, 1, 2, Qt::AlignHCenter);
    BT_Ok->installEventFilter(this);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(sizeHint().expandedTo(QSize(323, 105)));
}

void TAboutForm::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TAboutForm::FormActivate() {
    Image5124->show();
    AboutLabel->setText(QStringLiteral("Ostrel TRV-5124 Management Module"));
    setWindowTitle(QStringLiteral("About TRV-5124 Module"));
    VersionLabel->setText(ShortVersion);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers();
        if (key->key() == Qt::Key_F3 && (held & Qt::ShiftModifier) && (held & Qt::AltModifier)) VersionLabel->setText(FullVersion);
    }
    return QDialog::eventFilter(watched, event);
}
