#pragma once

// One set of colours for every picture, chosen to read well on the light grey
// (#F0F0F0) of the toolbar and dialogs: dark slate outlines, blue for files,
// green for running, red for stopping.

#include <QColor>

namespace tabulo::icons::palette {

inline const QColor ink {0x3c, 0x46, 0x50};
inline const QColor paper {0xff, 0xff, 0xff};
inline const QColor paperFold {0xdd, 0xe4, 0xec};
inline const QColor textLine {0x8f, 0x9b, 0xa8};

inline const QColor blue {0x2f, 0x74, 0xc0};
inline const QColor blueLight {0xcf, 0xe2, 0xf7};
inline const QColor blueDark {0x1d, 0x4c, 0x86};

inline const QColor folder {0xe0, 0xa8, 0x3a};
inline const QColor folderLight {0xf8, 0xd3, 0x75};
inline const QColor folderInk {0x93, 0x64, 0x10};

inline const QColor green {0x2e, 0x9e, 0x44};
inline const QColor greenDark {0x1c, 0x68, 0x2c};

inline const QColor red {0xd2, 0x3c, 0x3c};
inline const QColor redDark {0x8e, 0x22, 0x22};

inline const QColor parchment {0xf7, 0xe9, 0xc4};
inline const QColor parchmentRoll {0xe2, 0xc4, 0x84};
inline const QColor parchmentInk {0x8a, 0x66, 0x28};

inline const QColor metal {0xd0, 0xd5, 0xdb};
inline const QColor metalDark {0x6e, 0x77, 0x82};

inline const QColor wood {0xc0, 0x84, 0x44};
inline const QColor woodDark {0x7a, 0x4e, 0x1e};

inline const QColor slate {0x55, 0x61, 0x6d};
inline const QColor display {0xd6, 0xec, 0xcf};
inline const QColor orange {0xf0, 0x8a, 0x24};

inline const QColor highlight {0xff, 0xff, 0xff};
inline const QColor gripDot {0xa0, 0xa0, 0xa0};

} // namespace tabulo::icons::palette
