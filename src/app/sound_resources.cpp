#include "app/sound_resources.h"

#include <QResource>
#include <QString>

namespace fenx {

void SoundResources::LoadInto(SoundPlayer& player) {
    for (const SoundEntry& entry : kSoundTable) {
        const QString path = QStringLiteral(":/sounds/") +
                             QString::fromLatin1(entry.fileName.data(),
                                                 static_cast<qsizetype>(entry.fileName.size()));
        const QResource resource(path);
        if (!resource.isValid()) {
            continue;
        }
        const uint8_t* bytes = nullptr;
        std::size_t size = 0;
        if (resource.compressionAlgorithm() == QResource::NoCompression) {
            bytes = resource.data();
            size = static_cast<std::size_t>(resource.size());
        } else {
            QByteArray& copy = unpacked_[SoundIndex(entry.id)];
            copy = resource.uncompressedData();
            bytes = reinterpret_cast<const uint8_t*>(copy.constData());
            size = static_cast<std::size_t>(copy.size());
        }
        player.Load(entry.id, bytes, size);
    }
}

} // namespace fenx
