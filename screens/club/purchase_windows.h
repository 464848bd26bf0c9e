#pragma once
// The purchase of a player of another club from the team view: the proposal window, where the
// coach types his offer and the selling side answers, and the outcome window, which shows a
// refusal or puts the player's salary demand to the coach.

#include <cstdint>
#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/purchase_negotiation.h"

namespace kv {

extern const WindowLayout kForm60Layout;
extern const WindowLayout kForm61Layout;
extern const WindowLayout kForm49Layout;

class TForm60 : public Form {
  public:
    explicit TForm60(int player);
    void Edit1Change();
    void Bt1Click();  // "Propor compra"
    // What the team view's message line shows afterwards, empty for nothing.
    const std::string& result() const { return result_; }

  private:
    int player_;
    std::int32_t offer_ = 0;
    std::string result_;
};

class TForm61 : public Form {
  public:
    TForm61(int player, std::int32_t fee, const OfferDecision& deal);
    void Bt2Click();  // "OK" or "Aceitar"
    bool bought() const { return bought_; }

  private:
    int player_;
    std::int32_t fee_;
    OfferDecision deal_;
    bool bought_ = false;
};

// The other human coach's answer to an offer for one of his players: "Sim" sells at the offer.
class TForm49 : public Form {
  public:
    TForm49(int player, std::int32_t offer);
    bool accepted() const { return accepted_; }

  private:
    bool accepted_ = false;
};

// The seller's answer window, modal; true when the other coach sells at the offer.
bool ShowSellerAnswer(int player, std::int32_t offer);
// The proposal window for the player, modal; returns the team view's message line.
std::string ShowPurchaseProposal(int player);
// The outcome window, modal; true when the player was bought.
bool ShowPurchaseOutcome(int player, std::int32_t fee, const OfferDecision& deal);

}  // namespace kv
