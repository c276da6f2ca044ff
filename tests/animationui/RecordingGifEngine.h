#pragma once

#include "animation/making/GifEngine.h"
#include "core/PathParts.h"

#include <QFile>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace vx7::test {

// A GIF engine that records what a build asks of it and writes a stand-in output, so
// the order of a build's steps can be checked without the real coders. Calls come
// from the build's worker thread; read the records after the build has finished.
class RecordingGifEngine final : public animation::GifEngine {
  public:
    enum class Output { Frames, TrailerOnly, Nothing };

    explicit RecordingGifEngine(QString workFolder) : work_(std::move(workFolder)) {}

    bool ConverterAvailable(QString& error) override {
        if (!converterAvailable)
            error = QStringLiteral("no converter");
        return converterAvailable;
    }
    std::unique_ptr<animation::GifEngineBuild> BeginBuild() override {
        {
            std::lock_guard lock(lock_);
            ++buildsBegun_;
        }
        return std::make_unique<RecordingBuild>(*this);
    }

    QStringList Calls() {
        std::lock_guard lock(lock_);
        return calls_;
    }
    // Builds begun and builds ended (their working state destroyed).
    int BuildsBegun() {
        std::lock_guard lock(lock_);
        return buildsBegun_;
    }
    int BuildsEnded() {
        std::lock_guard lock(lock_);
        return buildsEnded_;
    }

    bool converterAvailable = true;
    Output output = Output::Frames;
    // Runs on the worker thread at the start of each reduction (for example to cancel).
    std::function<void(int)> onReduce;
    QStringList builtFrames;
    int builtDelay = -1;
    QStringList leftOut; // what the writer reports as left out

  private:
    class RecordingBuild final : public animation::GifEngineBuild {
      public:
        explicit RecordingBuild(RecordingGifEngine& engine) : engine_(engine) {}
        ~RecordingBuild() override {
            std::lock_guard lock(engine_.lock_);
            ++engine_.buildsEnded_;
        }
        QString ReduceByImageEncoder(const QString& source) override {
            engine_.Record(QStringLiteral("encoder:") + source);
            return core::JoinPath(engine_.work_, core::FileTitlePart(source) + QStringLiteral(".gif"));
        }
        QString ReduceByConverter(const QString& source, bool bmpFirst) override {
            engine_.Record(QStringLiteral("converter:") + source +
                           (bmpFirst ? QStringLiteral(" (bmp first)") : QString()));
            return core::JoinPath(engine_.work_, core::FileTitlePart(source) + QStringLiteral(".pal"));
        }
        QStringList BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) override {
            return engine_.Build(QStringLiteral("gif-files"), frames, output, delay);
        }
        QStringList BuildFromPaletteFrames(const QStringList& frames, const QString& output,
                                           int delay) override {
            return engine_.Build(QStringLiteral("palette-frames"), frames, output, delay);
        }
        QString FittedText() const override { return QString(); }

      private:
        RecordingGifEngine& engine_;
    };

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
    QStringList Build(const QString& kind, const QStringList& frames, const QString& output, int delay) {
        {
            std::lock_guard lock(lock_);
            calls_.append(kind + QStringLiteral(":") + QString::number(frames.size()));
            builtFrames = frames;
            builtDelay = delay;
        }
        if (this->output == Output::Nothing)
            return leftOut;
        QFile file(output);
        if (!file.open(QIODevice::WriteOnly))
            return leftOut;
        if (this->output == Output::Frames)
            file.write(QByteArray("GIF89a") + QByteArray(40, '\x01'));
        file.write(QByteArray(1, '\x3B'));
        return leftOut;
    }

    QString work_;
    std::mutex lock_;
    QStringList calls_;
    int reductions_ = 0;
    int buildsBegun_ = 0;
    int buildsEnded_ = 0;
};

} // namespace vx7::test
