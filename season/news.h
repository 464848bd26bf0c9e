#pragma once
// The inbox messages the board, the fans, the players, the press and the medical department
// send to the clubs, and how the inbox shows them.

#include <string>

#include "core/types.h"

namespace kv {

class GameData;
struct t_news_item;

// Appends one item for the club dated today and fills it by event and variant; returns
// its index in `inbox`, or -1 when nothing was added (a sale without a player, or an event
// and variant no message is written for).
int AddNewsItem(GameData& data, int club, TNewsEvent event, int variant, int player,
                int second_party, int amount);

// The title the inbox lists, the sender's name and the message text (a sale's text ends
// with the price in words).
std::string NewsTitle(const GameData& data, const t_news_item& item);
std::string NewsSenderName(const GameData& data, const t_news_item& item);
std::string NewsText(const t_news_item& item);

// Marks the club's unread items more than 14 days old as read and counts the others. Every
// turn of the club does it, whether or not a window shows the count.
int CountUnreadNews(GameData& data, int club);

}  // namespace kv
