#include "power/QtSoundPlayer.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::playLooped(std::string_view clipName) {
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
    }
    // The embedded files are resources of the program under /assets: read from memory.
    const QUrl source(QStringLiteral("qrc:/assets/") +
                      QString::fromUtf8(clipName.data(), static_cast<qsizetype>(clipName.size())));
    effect_->stop();
    if (effect_->source() != source) {
        effect_->setSource(source);
    }
    effect_->setLoopCount(QSoundEffect::Infinite);
    effect_->play();
}

void QtSoundPlayer::stop() {
    if (effect_) {
        effect_->stop();
    }
}

bool QtSoundPlayer::clipLoaded() const {
    return effect_ && effect_->status() == QSoundEffect::Ready;
}
