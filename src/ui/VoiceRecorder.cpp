#include "ui/VoiceRecorder.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QFile>
#include <QMediaDevices>
#include <QWaveDecoder>

#include "common/DeviceFs.h"

namespace kelvo {

namespace {

// Speech needs no more than 16 kHz mono; 16-bit samples are what every player takes. A device
// that cannot record that records at its own rate and channels, still in 16 bits.
QAudioFormat recordingFormat(const QAudioDevice& device) {
    QAudioFormat format;
    format.setSampleRate(16000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        format = device.preferredFormat();
        format.setSampleFormat(QAudioFormat::Int16);
    }
    return format;
}

}  // namespace

VoiceRecorder::VoiceRecorder(QObject* parent) : QObject(parent) {}

VoiceRecorder::~VoiceRecorder() {
    stop();
}

QString VoiceRecorder::start(const DeviceFs& fs, std::string_view devicePath) {
    stop();
    const QAudioDevice microphone = QMediaDevices::defaultAudioInput();
    if (microphone.isNull()) {
        return tr(
            "No microphone was found, so no voice message can be recorded. The call can "
            "still be saved.");
    }
    const auto host = fs.hostPath(devicePath);
    const QAudioFormat format = recordingFormat(microphone);
    if (!host || !openFile(QFile::decodeName(QByteArray::fromStdString(host->native())), format)) {
        return tr("The voice message cannot be written on the device.");
    }
    m_source = std::make_unique<QAudioSource>(microphone, format);
    connect(m_source.get(), &QAudioSource::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && m_source && m_source->error() != QAudio::NoError) {
            stop();
            emit stoppedByItself();
        }
    });
    m_source->start(sink());
    return {};
}

void VoiceRecorder::stop() {
    if (m_source) {
        // Disconnected first: stopping must not report itself as a stop by itself.
        m_source->disconnect(this);
        m_source->stop();
        m_source.reset();
    }
    closeFile();
}

bool VoiceRecorder::isRecording() const {
    return m_source != nullptr;
}

bool VoiceRecorder::openFile(const QString& hostPath, const QAudioFormat& format) {
    closeFile();
    m_file = std::make_unique<QFile>(hostPath);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_file.reset();
        return false;
    }
    // Qt's wave writer puts the RIFF/WAVE header first and fills in the sizes when it closes.
    m_wave = std::make_unique<QWaveDecoder>(m_file.get(), format);
    if (!m_wave->open(QIODevice::WriteOnly)) {
        closeFile();
        return false;
    }
    return true;
}

QIODevice* VoiceRecorder::sink() const {
    return m_wave.get();
}

void VoiceRecorder::closeFile() {
    if (m_wave) {
        m_wave->close();
        m_wave.reset();
    }
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
}

}  // namespace kelvo
