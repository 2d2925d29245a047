// The ringtone the program carries, and the sound player on a machine without an audio
// device (the test machines have none).

#include "power/AlarmClock.h"
#include "power/QtSoundPlayer.h"

#include "assets/Assets.h"

#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

quint32 u32(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 u16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
qint16 sample(const QByteArray& bytes, int index) {
    return qFromLittleEndian<qint16>(bytes.constData() + 44 + 2 * index);
}

TEST(Ringtone, IsOnePcmChunkAndOneDataChunkOfTheCarriedSize) {
    const QByteArray wav = assetBytes(kRingtoneClip);
    ASSERT_EQ(wav.size(), 330'044);
    EXPECT_EQ(wav.mid(0, 4), "RIFF");
    EXPECT_EQ(u32(wav, 4), 330'036u);
    EXPECT_EQ(wav.mid(8, 4), "WAVE");
    EXPECT_EQ(wav.mid(12, 4), "fmt ");
    EXPECT_EQ(u32(wav, 16), 16u);
    EXPECT_EQ(u16(wav, 20), 1u);      // PCM
    EXPECT_EQ(u16(wav, 22), 1u);      // one channel
    EXPECT_EQ(u32(wav, 24), 22'050u); // samples a second
    EXPECT_EQ(u32(wav, 28), 44'100u); // bytes a second
    EXPECT_EQ(u16(wav, 32), 2u);      // block align
    EXPECT_EQ(u16(wav, 34), 16u);     // bits a sample
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(u32(wav, 40), 330'000u);
}

TEST(Ringtone, IsLoudUnclippedAndLoopsWithoutAClick) {
    const QByteArray wav = assetBytes(kRingtoneClip);
    ASSERT_EQ(wav.size(), 330'044);
    const int count = 165'000;
    int peak = 0;
    for (int i = 0; i < count; ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(sample(wav, i))));
    }
    EXPECT_GT(peak, 16'000);
    EXPECT_LT(peak, 32'767);
    // The clip starts from silence and ends in it, so the seam of the loop is inaudible.
    for (int i : {0, 1, count - 2, count - 1}) {
        EXPECT_LT(std::abs(static_cast<int>(sample(wav, i))), 64) << "sample " << i;
    }
}

TEST(QtSoundPlayer, WithoutAnAudioDeviceLoadsTheClipAndNeverWaits) {
    QElapsedTimer elapsed;
    elapsed.start();
    {
        QtSoundPlayer quiet;
        quiet.stop(); // before anything played
    }
    QtSoundPlayer player;
    player.playLooped(kRingtoneClip);
    // The clip is found and decoded even where no device can play it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.clipLoaded(); }, 3'000));
    player.playLooped(kRingtoneClip); // ringing again starts over
    QTest::qWait(100);
    player.stop();
    player.stop();
    EXPECT_LT(elapsed.elapsed(), 5'000);
}

TEST(QtSoundPlayer, MissingClipIsSilentlyNothing) {
    QtSoundPlayer player;
    player.playLooped("no-such-clip.wav");
    QTest::qWait(200);
    EXPECT_FALSE(player.clipLoaded());
    player.stop();
}

} // namespace
