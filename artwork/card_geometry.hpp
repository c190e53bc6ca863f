// The three card sizes and the suits, as every picture generator names and measures them.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace quilloro::artwork {

struct CardSize {
  char letter;
  int width;
  int height;
};

inline constexpr std::array<CardSize, 3> kCardSizes{{{'B', 71, 96}, {'M', 59, 80}, {'P', 25, 32}}};

// How many pixels a length of card pixels covers at a zoom: the table keeps
// its zoomed pictures the same size.
inline int zoomedLength(int length, double zoom) {
  return zoom == 1.0 ? length : static_cast<int>(std::ceil(length * zoom));
}

// The width of a card's border line at a zoom: it grows by half the zoom,
// so that large cards keep a fine edge.
inline int borderThickness(double zoom) { return std::max(1, static_cast<int>(zoom * 0.5 + 0.5)); }

enum class Suit { Hearts, Diamonds, Clubs, Spades };

inline constexpr std::array<Suit, 4> kSuits{Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};

// The letter that ends a face sheet's file name: hearts give cards 1 to 13, and so on.
inline char suitLetter(Suit suit) { return "HDCS"[static_cast<int>(suit)]; }
inline bool isRed(Suit suit) { return suit == Suit::Hearts || suit == Suit::Diamonds; }

// Rank 1 is the ace, 11 to 13 the jack, queen and king.
inline std::string rankText(int rank) {
  static const std::array<const char*, 14> texts{"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  return texts[static_cast<std::size_t>(rank)];
}

// A three-digit file number: 7 becomes "007".
inline std::string threeDigits(int number) {
  std::string text = std::to_string(number);
  return std::string(text.size() < 3 ? 3 - text.size() : 0, '0') + text;
}

}  // namespace quilloro::artwork
