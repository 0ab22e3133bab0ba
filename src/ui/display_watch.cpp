// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/display_watch.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace ui {
namespace {

constexpr const char* kNoDisplayMessage =
    "indice-uv necesita una pantalla gráfica para abrir su ventana y no ha podido usar ninguna.\n"
    "Sin pantalla, indice-uv-calc hace el mismo cálculo (vea indice-uv-calc --help).\n";

struct Held {
    QtMsgType type;
    std::string category;
    QString text;
};

std::mutex heldLock;
std::vector<Held> held;
QtMessageHandler previous = nullptr;

void watch(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // Qt's only fatal message while it starts is that no platform, no display,
    // could be opened. Nothing is left to clean up: the window was never made.
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayMessage, stderr);
        std::fflush(stderr);
        std::_Exit(DisplayWatch::kExitNoDisplay);
    }
    const std::lock_guard lock(heldLock);
    held.push_back({type, context.category ? context.category : "", text});
}

}  // namespace

DisplayWatch::DisplayWatch()
{
    previous = qInstallMessageHandler(watch);
}

DisplayWatch::~DisplayWatch()
{
    started();
}

void DisplayWatch::started()
{
    if (!watching_)
        return;
    watching_ = false;
    qInstallMessageHandler(previous);
    std::vector<Held> messages;
    {
        const std::lock_guard lock(heldLock);
        messages.swap(held);
    }
    for (const Held& message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        if (previous)
            previous(message.type, context, message.text);
    }
}

}  // namespace ui
