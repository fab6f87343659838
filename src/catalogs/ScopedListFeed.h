#pragma once

struct AppState;
class DataFeed;

// Hands a list window's rows to the print service for as long as the window lives, and
// gives the feed that was there before back when it goes.
class ScopedListFeed {
public:
    ScopedListFeed(AppState& state, DataFeed* feed);
    ~ScopedListFeed();
    ScopedListFeed(const ScopedListFeed&) = delete;
    ScopedListFeed& operator=(const ScopedListFeed&) = delete;

private:
    AppState& m_state;
    DataFeed* const m_feed;
    DataFeed* const m_previous;
};
