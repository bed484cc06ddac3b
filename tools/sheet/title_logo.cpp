#include "title_logo.h"

#include <array>

#include "block_tiles.h"
#include "cell_edges.h"
#include "palette.h"
#include "sheet_layout.h"

namespace fenx::sheet {

namespace {

constexpr int kLetterRows = 9;
constexpr int kLetterCell = 4;
constexpr int kLetterGap = 3;
constexpr int kLetterRim = 2;

struct Letter {
    int colour;
    int columns;
    std::array<const char*, kLetterRows> rows;
};

// Bold letters, two cells to a stroke.
constexpr std::array<Letter, 4> kLetters = {{
    {1, 5, {"#####", "#####", "##...", "##...", "####.", "####.", "##...", "##...", "##..."}},
    {0, 5, {"#####", "#####", "##...", "##...", "####.", "####.", "##...", "#####", "#####"}},
    {5,
     7,
     {"##...##", "###..##", "####.##", "####.##", "##.####", "##.####", "##..###", "##...##",
      "##...##"}},
    {6,
     7,
     {"##...##", "##...##", "###.###", ".#####.", "..###..", ".#####.", "###.###", "##...##",
      "##...##"}},
}};

bool LetterCell(const Letter& letter, int column, int row) {
    return column >= 0 && column < letter.columns && row >= 0 && row < kLetterRows &&
           letter.rows[row][column] == '#';
}

Neighbours LetterNeighbours(const Letter& letter, int column, int row) {
    return NeighboursIn([&letter](int x, int y) { return LetterCell(letter, x, y); }, column, row);
}

// A letter is one bevelled shape, like a piece; the upper part of its face
// catches a little more light.
uint8_t LetterPixel(int colour, const Neighbours& n, int x, int y, int letterY) {
    const Stroke stroke = StrokeAt(n, x, y, kLetterCell);
    const bool lit = IsLit(stroke.side);
    if (stroke.depth == 0) {
        return BlockShade(colour, lit ? kHighlight : kDeep);
    }
    if (stroke.depth < kLetterRim) {
        return BlockShade(colour, lit ? kLight : kDark);
    }
    return BlockShade(colour, letterY < kLetterRows * kLetterCell * 2 / 5 ? kLight : kFace);
}

void DrawLetter(SheetImage& sheet, const Letter& letter, int left, int top) {
    for (int row = 0; row < kLetterRows; ++row) {
        for (int column = 0; column < letter.columns; ++column) {
            if (!LetterCell(letter, column, row)) {
                continue;
            }
            const Neighbours n = LetterNeighbours(letter, column, row);
            for (int y = 0; y < kLetterCell; ++y) {
                for (int x = 0; x < kLetterCell; ++x) {
                    sheet.set(left + column * kLetterCell + x, top + row * kLetterCell + y,
                              LetterPixel(letter.colour, n, x, y, row * kLetterCell + y));
                }
            }
        }
    }
}

// The seven kinds as small joined pieces, cells listed row by row.
struct MiniPiece {
    int colour;
    int width;
    std::array<const char*, 2> rows;
};

constexpr std::array<MiniPiece, 7> kMiniPieces = {{
    {1, 4, {"####", "...."}},
    {0, 2, {"##", "##"}},
    {6, 3, {"###", ".#."}},
    {2, 3, {"###", "#.."}},
    {3, 3, {"###", "..#"}},
    {4, 3, {".##", "##."}},
    {5, 3, {"##.", ".##"}},
}};
constexpr int kMiniCell = 4;
constexpr int kMiniGap = 3;

bool PieceCell(const MiniPiece& piece, int column, int row) {
    return column >= 0 && column < piece.width && row >= 0 && row < 2 &&
           piece.rows[row][column] == '#';
}

void DrawMiniPiece(SheetImage& sheet, const MiniPiece& piece, int left, int top) {
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < piece.width; ++column) {
            if (!PieceCell(piece, column, row)) {
                continue;
            }
            const Neighbours n = NeighboursIn(
                [&piece](int x, int y) { return PieceCell(piece, x, y); }, column, row);
            for (int y = 0; y < kMiniCell; ++y) {
                for (int x = 0; x < kMiniCell; ++x) {
                    const int value = BlockPixel(piece.colour, n, x, y, kMiniCell);
                    sheet.set(left + column * kMiniCell + x, top + row * kMiniCell + y,
                              static_cast<uint8_t>(value));
                }
            }
        }
    }
}

bool InTitle(int x, int y) {
    return x >= kTitleLeft && x < kTitleLeft + kTitleWidth && y >= kTitleTop &&
           y < kTitleTop + kTitleHeight;
}

// Ink round everything drawn so far, then a soft shadow down and to the right.
void OutlineAndShadow(SheetImage& sheet) {
    SheetImage before = sheet;
    for (int y = kTitleTop; y < kTitleTop + kTitleHeight; ++y) {
        for (int x = kTitleLeft; x < kTitleLeft + kTitleWidth; ++x) {
            if (before.at(x, y) != kTransparent) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (InTitle(x + dx, y + dy) && before.at(x + dx, y + dy) != kTransparent) {
                        sheet.set(x, y, kInk);
                    }
                }
            }
        }
    }
    before = sheet;
    for (int y = kTitleTop; y < kTitleTop + kTitleHeight; ++y) {
        for (int x = kTitleLeft; x < kTitleLeft + kTitleWidth; ++x) {
            if (before.at(x, y) == kTransparent && InTitle(x - 2, y - 2) &&
                before.at(x - 2, y - 2) != kTransparent) {
                sheet.set(x, y, kShadow);
            }
        }
    }
}

} // namespace

void DrawTitleLogo(SheetImage& sheet) {
    int lettersWidth = 3 * kLetterGap;
    for (const Letter& letter : kLetters) {
        lettersWidth += letter.columns * kLetterCell;
    }
    int letterLeft = kTitleLeft + (kTitleWidth - lettersWidth - 2) / 2;
    const int lettersTop = kTitleTop + 4;
    for (const Letter& letter : kLetters) {
        DrawLetter(sheet, letter, letterLeft, lettersTop);
        letterLeft += letter.columns * kLetterCell + kLetterGap;
    }

    int stripWidth = (static_cast<int>(kMiniPieces.size()) - 1) * kMiniGap;
    for (const MiniPiece& piece : kMiniPieces) {
        stripWidth += piece.width * kMiniCell;
    }
    int left = kTitleLeft + (kTitleWidth - stripWidth - 2) / 2;
    const int stripTop = lettersTop + kLetterRows * kLetterCell + 6;
    for (const MiniPiece& piece : kMiniPieces) {
        DrawMiniPiece(sheet, piece, left, stripTop);
        left += piece.width * kMiniCell + kMiniGap;
    }
    OutlineAndShadow(sheet);
}

} // namespace fenx::sheet
