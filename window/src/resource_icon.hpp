// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QPainter>

#include <utility>

namespace window {

// An icon read from a file only when something asks for it, at the sizes asked:
// Qt 6.4's QIcon decodes a file as soon as it is named, and a window whose icon
// no window system shows (offscreen, most Wayland compositors) need not pay.
class ResourceIconEngine : public QIconEngine {
public:
    explicit ResourceIconEngine(QString file) : file_(std::move(file)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Loaded().availableSizes(mode, state);
    }
    [[nodiscard]] QIconEngine* clone() const override { return new ResourceIconEngine(file_); }

private:
    const QIcon& Loaded() {
        if (icon_.isNull()) {
            icon_ = QIcon(file_);
        }
        return icon_;
    }

    QString file_;
    QIcon icon_;
};

}  // namespace window
