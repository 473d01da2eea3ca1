#include "EmojiCategories.h"

namespace {

EmojiCategory Category(const QString& name, const QString& emoji) {
    return {name, emoji.split(u' ', Qt::SkipEmptyParts)};
}

} // namespace

QList<EmojiCategory> EmojiCategories() {
    return {
        Category(QStringLiteral("Animals"),
                 QStringLiteral("🐶 🐱 🐭 🦑 🦊 🐻 🦖 🐟 🐯 🦁 "
                                "🐮 🐷 🐸 🐵 🐔 🐧 🐤 🦆 🦉 🐆 "
                                "🐴 🦄 🐝 🐛 🦋 🐌 🐞 🐢 🐍 🐙 "
                                "🦀 🐠 🐬 🐳 🦅 🐊 🦌 🦒 🐹 🦏 "
                                "🐪 🦘 🦜 🦩 🦔 🦥 🐡 🦚 🐓 🦃")),
        Category(QStringLiteral("Food"),
                 QStringLiteral("🍏 🍎 🍐 🍊 🍋 🍌 🍉 🍇 🍓 🫐 "
                                "🍒 🍑 🍍 🥥 🥝 🍅 🍆 🥑 🥦 🌶 "
                                "🌽 🥕 🍠 🥔 🥐 🍞 🥨 🧀 🥚 🍜 "
                                "🥞 🥓 🍗 🍔 🍟 🍕 🌭 🌮 🍣 🍤 "
                                "🍦 🍩 🍪 🎂 🧁 🍫 🍭 🍯 🍹 🍿")),
        Category(QStringLiteral("Nature"),
                 QStringLiteral("🌵 🎄 🌲 🌳 🌴 🌱 🍀 🍁 🍂 🍃 "
                                "🍄 🌾 💐 🌷 🌹 🥀 🌺 🌸 🌼 🌻 "
                                "🌞 🌝 🌛 🌎 🪐 ⭐ ⚡ 🔥 🌈 ⛅ "
                                "🌅 🌧 ⛈ ❄ 🌿 🌊 💧 🌋 🏔 🏝 "
                                "🏜 🏞 🪵 🐚 🌠 🪸 🪷 🌰 🌌 🌙")),
        Category(QStringLiteral("Objects"),
                 QStringLiteral("⌚ 📱 💻 🔋 💾 📷 📺 📻 ⏰ ⌛ "
                                "💡 🔦 🧯 🔑 🔒 🔨 🔧 ✂ 📎 📌 "
                                "✏ 🖍 📚 ✉ 📦 🎁 🎈 🎀 🔔 🎸 "
                                "🎺 🥁 🎻 🪀 🏀 🎾 🎯 🧩 🪁 👓 "
                                "🎩 👑 👟 🧦 👗 🧸 🔭 🧲 💎 ☂")),
        Category(QStringLiteral("Travel"),
                 QStringLiteral("🚗 🚕 🚙 🚌 🏎 🚐 🚑 🚒 🚚 🚜 "
                                "🛵 🏍 🚲 🛴 🚂 🚄 🚇 🚡 🚁 ✈ "
                                "🛩 🚀 🛸 🛶 ⛵ 🚤 🛳 ⚓ 🎡 🎢 "
                                "🎠 ⛲ ⛺ 🏰 🏯 🗼 🗽 🎪 🏠 🏭 "
                                "🏥 ⛪ 🌉 🗺 🧭 🚦 ⛽ 🛑 🏖 🧳")),
    };
}
