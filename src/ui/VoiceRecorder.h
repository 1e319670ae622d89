#pragma once

#include <QAudioFormat>
#include <QObject>
#include <QString>
#include <memory>
#include <string_view>

class QAudioSource;
class QFile;
class QIODevice;
class QWaveDecoder;

namespace kelvo {

class DeviceFs;

// The voice recorder: records the default microphone as 16-bit PCM into a WAV file. The file
// side (a RIFF/WAVE file whose header Qt's wave writer completes when the file is closed) is
// open to tests, which write PCM into it without a microphone.
class VoiceRecorder : public QObject {
    Q_OBJECT
public:
    explicit VoiceRecorder(QObject* parent = nullptr);
    // Ends a recording still running, so that its file is complete.
    ~VoiceRecorder() override;

    // Starts recording into the device file (replaced when it exists). "" when recording;
    // otherwise why it cannot: no microphone, or a file that cannot be written.
    QString start(const DeviceFs& fs, std::string_view devicePath);
    // Ends the recording and completes the file. Nothing when not recording.
    void stop();
    // True while recording.
    bool isRecording() const;

    // The file side: opens a new WAV file for PCM of `format` at a host path; false when it
    // cannot be written. The PCM goes into sink() until closeFile() completes the header.
    bool openFile(const QString& hostPath, const QAudioFormat& format);
    QIODevice* sink() const;
    void closeFile();

signals:
    // The recording ended by itself (the microphone went away); the file is complete.
    void stoppedByItself();

private:
    std::unique_ptr<QFile> m_file;
    std::unique_ptr<QWaveDecoder> m_wave;
    std::unique_ptr<QAudioSource> m_source;
};

}  // namespace kelvo
