#include "ui/VoiceRecorder.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QFile>
#include <QIODevice>
#include <QMediaDevices>
#include <cstring>

#include "support/TempDevice.h"

using namespace kelvo;

namespace {

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint32_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

// PCM written through the recorder's file side comes back as a canonical RIFF/WAVE file: a
// 16-byte PCM format chunk that matches the format, and the data chunk with the bytes written.
TEST(VoiceRecorder, PcmBecomesAWaveFileWhoseHeaderMatches) {
    struct Case {
        int rate, channels;
    };
    for (const Case c : {Case{16000, 1}, Case{44100, 2}}) {
        SCOPED_TRACE(c.rate);
        test::TempDevice device;
        const QString path =
            QFile::decodeName(QByteArray::fromStdString((device.root() / "Call_T.wav").native()));
        QAudioFormat format;
        format.setSampleRate(c.rate);
        format.setChannelCount(c.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        std::string pcm;
        for (int i = 0; i < 3001 * c.channels; ++i) {
            const auto sample = static_cast<std::int16_t>(i * 37 - 20000);
            pcm.append(reinterpret_cast<const char*>(&sample), 2);
        }

        VoiceRecorder recorder;
        ASSERT_TRUE(recorder.openFile(path, format));
        // Written in pieces, as the audio source delivers it.
        ASSERT_EQ(recorder.sink()->write(pcm.data(), 1000), 1000);
        ASSERT_EQ(recorder.sink()->write(pcm.data() + 1000, qint64(pcm.size() - 1000)),
                  qint64(pcm.size() - 1000));
        recorder.closeFile();

        const std::string wav = device.read("\\Call_T.wav");
        ASSERT_EQ(wav.size(), 44 + pcm.size());
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(le32(wav, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(le32(wav, 16), 16u);
        EXPECT_EQ(le16(wav, 20), 1u);  // PCM
        EXPECT_EQ(le16(wav, 22), unsigned(c.channels));
        EXPECT_EQ(le32(wav, 24), unsigned(c.rate));
        EXPECT_EQ(le32(wav, 28), unsigned(c.rate * c.channels * 2));
        EXPECT_EQ(le16(wav, 32), unsigned(c.channels * 2));
        EXPECT_EQ(le16(wav, 34), 16u);
        EXPECT_EQ(wav.substr(36, 4), "data");
        EXPECT_EQ(le32(wav, 40), pcm.size());
        EXPECT_EQ(wav.substr(44), pcm);
    }
}

TEST(VoiceRecorder, WithoutAMicrophoneItSaysSoAndWritesNothing) {
    if (!QMediaDevices::audioInputs().isEmpty()) {
        GTEST_SKIP() << "this machine has a microphone";
    }
    test::TempDevice device;
    VoiceRecorder recorder;
    const QString why = recorder.start(device.fs(), "\\VexXml\\Call_1_T.wav");
    EXPECT_EQ(why,
              QStringLiteral("No microphone was found, so no voice message can be recorded. The "
                             "call can still be saved."));
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_FALSE(device.exists("\\VexXml\\Call_1_T.wav"));
}

}  // namespace
