#include "controls/tfabout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include "controls/about_banner.h"
#include "controls/memory_status.h"
#include "controls/system_sound.h"
#include "controls/tline.h"

namespace {

constexpr int kClientWidth = 294;
constexpr int kClientHeight = 268;

QLabel* makeLabel(QWidget* parent, const char* name, int left, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    return label;
}

TLine* makeSeparatorLine(QWidget* parent, const char* name, int top, const QColor& colour) {
    auto* line = new TLine(parent);
    line->setObjectName(QLatin1String(name));
    line->setLine(TLine::ltHorizontal);
    line->setGeometry(86, top, 196, 10);
    line->setPen(QPen(colour, 1));
    return line;
}

}  // namespace

TFAbout::TFAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(QStringLiteral("A propos de..."));
    setFixedSize(kClientWidth, kClientHeight);

    // "MS Sans Serif" 8 points is not on Linux: the nearest sans-serif face, 11 pixels high.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(vardo::drawAboutBanner());
    Image1->setGeometry(-4, -4, vardo::kBannerWidth, vardo::kBannerHeight);

    lblPhysMem = makeLabel(this, "lblPhysMem", 86, 173);
    lblPhysRes = makeLabel(this, "lblPhysRes", 86, 193);
    Line1 = makeSeparatorLine(this, "Line1", 158, Qt::black);
    Line2 = makeSeparatorLine(this, "Line2", 159, Qt::white);
    Label1 = makeLabel(this, "Label1", 88, 96);
    QFont bold = font;
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = makeLabel(this, "Label2", 88, 120);
    Label3 = makeLabel(this, "Label3", 88, 136);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(208, 223, 74, 26);
    Button1->setDefault(true);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &TFAbout::Button1Click);

    // Centred on the screen, not over the window that opened it.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }

    FormCreate();
}

void TFAbout::setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void TFAbout::FormCreate() {
    vardo::playDefaultSound();
    const vardo::MemoryStatus status = vardo::currentMemoryStatus();
    setLabelText(lblPhysMem, vardo::physicalMemoryLine(status, QLocale::system().groupSeparator()));
    setLabelText(lblPhysRes, vardo::freeResourcesLine(status));
}

void TFAbout::Button1Click() {
    accept();
}
