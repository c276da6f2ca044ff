#pragma once

#include "animation/making/GifEngine.h"
#include "core/PathParts.h"

#include <QFile>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>

namespace vx7::test {

// A GIF engine that records what a build asks of it and writes a stand-in output, so
// the order of a build's steps can be checked without the real coders. Calls come
// from the build's worker thread; read the records after the build has finished.
class RecordingGifEngine final : public animation::GifEngine {
  public:
    enum class Output { Frames, TrailerOnly, Nothing };

    explicit RecordingGifEngine(QString workFolder) : work_(std::move(workFolder)) {}

    QString ReduceByImageEncoder(const QString& source) override {
        Record(QStringLiteral("encoder:") + source);
        return core::JoinPath(work_, core::FileTitlePart(source) + QStringLiteral(".gif"));
    }
    bool ConverterAvailable(QString& error) override {
        if (!converterAvailable)
            error = QStringLiteral("no converter");
        return converterAvailable;
    }
    QString ReduceByConverter(const QString& source) override {
        Record(QStringLiteral("converter:") + source +
               (QFile::exists(source) ? QString() : QStringLiteral(" (missing)")));
        return core::JoinPath(work_, core::FileTitlePart(source) + QStringLiteral(".pal"));
    }
    void BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) override {
        Build(QStringLiteral("gif-files"), frames, output, delay);
    }
    void BuildFromPaletteFrames(const QStringList& frames, const QString& output, int delay) override {
        Build(QStringLiteral("palette-frames"), frames, output, delay);
    }

    QStringList Calls() {
        std::lock_guard lock(lock_);
        return calls_;
    }

    bool converterAvailable = true;
    Output output = Output::Frames;
    // Runs on the worker thread at the start of each reduction (for example to cancel).
    std::function<void(int)> onReduce;
    QStringList builtFrames;
    int builtDelay = -1;

  private:
    void Record(const QString& call) {
        int index = 0;
        {
            std::lock_guard lock(lock_);
            calls_.append(call);
            index = reductions_++;
        }
        if (onReduce)
            onReduce(index);
    }
    void Build(const QString& kind, const QStringList& frames, const QString& output, int delay) {
        {
            std::lock_guard lock(lock_);
            calls_.append(kind + QStringLiteral(":") + QString::number(frames.size()));
            builtFrames = frames;
            builtDelay = delay;
        }
        if (this->output == Output::Nothing)
            return;
        QFile file(output);
        if (!file.open(QIODevice::WriteOnly))
            return;
        if (this->output == Output::Frames)
            file.write(QByteArray("GIF89a") + QByteArray(40, '\x01'));
        file.write(QByteArray(1, '\x3B'));
    }

    QString work_;
    std::mutex lock_;
    QStringList calls_;
    int reductions_ = 0;
};

} // namespace vx7::test
