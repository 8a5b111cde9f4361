#include "app/about/about_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include "app/about/about_banner.h"
#include "app/about/memory_status.h"
#include "controls/system_sound.h"
#include "controls/separator_line.h"

namespace vardo {

namespace {

constexpr int kClientWidth = 294;
constexpr int kClientHeight = 268;

QLabel* makeLabel(QWidget* parent, const char* name, int left, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    return label;
}

SeparatorLine* makeSeparatorLine(QWidget* parent, const char* name, int top, const QColor& colour) {
    auto* line = new SeparatorLine(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(86, top, 196, 10);
    line->setPen(QPen(colour, 1));
    return line;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent)
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

    banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPixmap(drawAboutBanner());
    banner->setAccessibleName(QStringLiteral("Bannière de Vardo"));
    banner->setGeometry(-4, -4, kBannerWidth, kBannerHeight);

    physicalMemory = makeLabel(this, "physicalMemory", 86, 173);
    freeResources = makeLabel(this, "freeResources", 86, 193);
    darkLine = makeSeparatorLine(this, "darkLine", 158, Qt::black);
    lightLine = makeSeparatorLine(this, "lightLine", 159, Qt::white);
    productName = makeLabel(this, "productName", 88, 96);
    QFont bold = font;
    bold.setBold(true);
    productName->setFont(bold);
    version = makeLabel(this, "version", 88, 120);
    copyright = makeLabel(this, "copyright", 88, 136);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(208, 223, 74, 26);
    okButton->setDefault(true);
    okButton->setFocus();
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    // Centred on the screen, not over the window that opened it.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }

    showMemoryFigures();
}

void AboutWindow::setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void AboutWindow::showMemoryFigures() {
    playDefaultSound();
    const MemoryStatus status = currentMemoryStatus();
    setLabelText(physicalMemory, physicalMemoryLine(status, QLocale::system().groupSeparator()));
    setLabelText(freeResources, freeResourcesLine(status));
}

}  // namespace vardo
