#pragma once

namespace direvovu::gui {

// The camera's card as the windows that need it see it: they ask, and the owner of the
// card state searches and remembers. A window never holds the state itself.
class ICardFinder {
 public:
  ICardFinder() = default;
  virtual ~ICardFinder() = default;
  ICardFinder(const ICardFinder&) = delete;
  ICardFinder& operator=(const ICardFinder&) = delete;

  // The card as last seen: its letter, 0 when none is known.
  [[nodiscard]] virtual char CardLetter() const = 0;
  // The SD search box: the remembered card is kept while it is still writable, otherwise
  // searched for again. The letter afterwards (0: none).
  virtual char SearchCard() = 0;
  // The same, then message 13 or 14 when no card is known.
  virtual char SearchCardReportingMissing() = 0;
};

}  // namespace direvovu::gui
