// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/window_look.h"

#include "display/face_lists.h"
#include "display/look.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

namespace windows {

QWidget* addBlackClient(QMainWindow& window)
{
    auto* client = new QWidget(&window);
    client->setObjectName(window.objectName() + QStringLiteral("Client"));
    display::fillBackground(*client, display::kBlack);
    window.setCentralWidget(client);
    return client;
}

QAction* addMenuEntry(QMenu& menu, const QString& caption, const char* objectName)
{
    QAction* entry = menu.addAction(caption);
    entry->setObjectName(QLatin1String(objectName));
    return entry;
}

QLabel* addWrappedLabel(QWidget& parent, const QString& objectName, const QRect& geometry, const QFont& font)
{
    auto* label = new QLabel(&parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void makeFixedWindow(QMainWindow& window, int clientWidthTwips, int clientHeightTwips)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.centralWidget()->setFixedSize(display::twips(clientWidthTwips), display::twips(clientHeightTwips));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.adjustSize();
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void centreOnScreen(QWidget& window, const QSize& size)
{
    window.resize(size);
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), size.boundedTo(screen->availableGeometry().size()));
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void setApplicationIcon(QWidget& window)
{
    // Making the icon decodes all six of its files; once the program's icon is set, windows share it instead.
    const QIcon programIcon = QApplication::windowIcon();
    window.setWindowIcon(programIcon.isNull() ? display::applicationIcon() : programIcon);
}

void useSystemWindowColours(QWidget& widget)
{
    const QPalette system = QApplication::palette();
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, system.color(QPalette::Window));
    palette.setColor(QPalette::WindowText, system.color(QPalette::WindowText));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QString colourStyle(const char* widgetClass, const QColor& text, const QColor& background)
{
    return QStringLiteral("%1 { color: %2; background-color: %3; }")
        .arg(QLatin1String(widgetClass), text.name(), background.name());
}

QString buttonFaceStyle(const QColor& face)
{
    return QStringLiteral("QPushButton { color: black; background-color: %1; border: 1px solid #404040; }"
                          "QPushButton:pressed { background-color: %2; }"
                          "QPushButton:focus { border: 2px solid black; }")
        .arg(face.name(), face.darker(115).name());
}

} // namespace windows
