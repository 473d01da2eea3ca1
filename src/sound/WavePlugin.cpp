// The sound module: WaveDevice behind the SoundFactory interface, built as a
// plugin the program loads once it has a window on screen.
#include "SoundFactory.h"
#include "WaveDevice.h"

#include <QObject>

class WavePlugin final : public QObject, public SoundFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundFactory_iid)
    Q_INTERFACES(SoundFactory)
public:
    std::unique_ptr<SoundDevice> create(const QString& folder, const QStringList& cues) override {
        return std::make_unique<WaveDevice>(folder, cues);
    }
};

#include "WavePlugin.moc"
