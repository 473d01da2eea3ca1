#include "EmojiCategories.h"

namespace {

// One picture a line: the emoji, a blank, and its name.
EmojiCategory category(const QString& name, const QString& lines) {
    EmojiCategory category{name, {}};
    for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts)) {
        category.pictures.append({line.section(u' ', 0, 0), line.section(u' ', 1)});
    }
    return category;
}

} // namespace

QList<EmojiCategory> emojiCategories() {
    return {
        category(QStringLiteral("Animals"), QStringLiteral(R"(
🐶 dog face
🐱 cat face
🐭 mouse face
🦑 squid
🦊 fox
🐻 bear
🦖 t-rex
🐟 fish
🐯 tiger face
🦁 lion
🐮 cow face
🐷 pig face
🐸 frog
🐵 monkey face
🐔 chicken
🐧 penguin
🐤 baby chick
🦆 duck
🦉 owl
🐆 leopard
🐴 horse face
🦄 unicorn
🐝 honeybee
🐛 bug
🦋 butterfly
🐌 snail
🐞 lady beetle
🐢 turtle
🐍 snake
🐙 octopus
🦀 crab
🐠 tropical fish
🐬 dolphin
🐳 spouting whale
🦅 eagle
🐊 crocodile
🦌 deer
🦒 giraffe
🐹 hamster
🦏 rhinoceros
🐪 camel
🦘 kangaroo
🦜 parrot
🦩 flamingo
🦔 hedgehog
🦥 sloth
🐡 blowfish
🦚 peacock
🐓 rooster
🦃 turkey
)")),
        category(QStringLiteral("Food"), QStringLiteral(R"(
🍏 green apple
🍎 red apple
🍐 pear
🍊 tangerine
🍋 lemon
🍌 banana
🍉 watermelon
🍇 grapes
🍓 strawberry
🫐 blueberries
🍒 cherries
🍑 peach
🍍 pineapple
🥥 coconut
🥝 kiwi fruit
🍅 tomato
🍆 eggplant
🥑 avocado
🥦 broccoli
🌶 hot pepper
🌽 ear of corn
🥕 carrot
🍠 roasted sweet potato
🥔 potato
🥐 croissant
🍞 bread
🥨 pretzel
🧀 cheese wedge
🥚 egg
🍜 steaming bowl
🥞 pancakes
🥓 bacon
🍗 poultry leg
🍔 hamburger
🍟 french fries
🍕 pizza
🌭 hot dog
🌮 taco
🍣 sushi
🍤 fried shrimp
🍦 soft ice cream
🍩 doughnut
🍪 cookie
🎂 birthday cake
🧁 cupcake
🍫 chocolate bar
🍭 lollipop
🍯 honey pot
🍹 tropical drink
🍿 popcorn
)")),
        category(QStringLiteral("Nature"), QStringLiteral(R"(
🌵 cactus
🎄 christmas tree
🌲 evergreen tree
🌳 deciduous tree
🌴 palm tree
🌱 seedling
🍀 four leaf clover
🍁 maple leaf
🍂 fallen leaf
🍃 leaf fluttering in wind
🍄 mushroom
🌾 sheaf of rice
💐 bouquet
🌷 tulip
🌹 rose
🥀 wilted flower
🌺 hibiscus
🌸 cherry blossom
🌼 blossom
🌻 sunflower
🌞 sun with face
🌝 full moon face
🌛 first quarter moon face
🌎 globe showing americas
🪐 ringed planet
⭐ star
⚡ high voltage
🔥 fire
🌈 rainbow
⛅ sun behind cloud
🌅 sunrise
🌧 cloud with rain
⛈ cloud with lightning and rain
❄ snowflake
🌿 herb
🌊 water wave
💧 droplet
🌋 volcano
🏔 snow-capped mountain
🏝 desert island
🏜 desert
🏞 national park
🪵 wood
🐚 spiral shell
🌠 shooting star
🪸 coral
🪷 lotus
🌰 chestnut
🌌 milky way
🌙 crescent moon
)")),
        category(QStringLiteral("Objects"), QStringLiteral(R"(
⌚ watch
📱 mobile phone
💻 laptop
🔋 battery
💾 floppy disk
📷 camera
📺 television
📻 radio
⏰ alarm clock
⌛ hourglass done
💡 light bulb
🔦 flashlight
🧯 fire extinguisher
🔑 key
🔒 locked
🔨 hammer
🔧 wrench
✂ scissors
📎 paperclip
📌 pushpin
✏ pencil
🖍 crayon
📚 books
✉ envelope
📦 package
🎁 wrapped gift
🎈 balloon
🎀 ribbon
🔔 bell
🎸 guitar
🎺 trumpet
🥁 drum
🎻 violin
🪀 yo-yo
🏀 basketball
🎾 tennis
🎯 bullseye
🧩 puzzle piece
🪁 kite
👓 glasses
🎩 top hat
👑 crown
👟 running shoe
🧦 socks
👗 dress
🧸 teddy bear
🔭 telescope
🧲 magnet
💎 gem stone
☂ umbrella
)")),
        category(QStringLiteral("Travel"), QStringLiteral(R"(
🚗 automobile
🚕 taxi
🚙 sport utility vehicle
🚌 bus
🏎 racing car
🚐 minibus
🚑 ambulance
🚒 fire engine
🚚 delivery truck
🚜 tractor
🛵 motor scooter
🏍 motorcycle
🚲 bicycle
🛴 kick scooter
🚂 locomotive
🚄 high-speed train
🚇 metro
🚡 aerial tramway
🚁 helicopter
✈ airplane
🛩 small airplane
🚀 rocket
🛸 flying saucer
🛶 canoe
⛵ sailboat
🚤 speedboat
🛳 passenger ship
⚓ anchor
🎡 ferris wheel
🎢 roller coaster
🎠 carousel horse
⛲ fountain
⛺ tent
🏰 castle
🏯 japanese castle
🗼 tokyo tower
🗽 statue of liberty
🎪 circus tent
🏠 house
🏭 factory
🏥 hospital
⛪ church
🌉 bridge at night
🗺 world map
🧭 compass
🚦 vertical traffic light
⛽ fuel pump
🛑 stop sign
🏖 beach with umbrella
🧳 luggage
)")),
    };
}
