#include "catalogs/ScopedListFeed.h"

#include "app/AppState.h"

ScopedListFeed::ScopedListFeed(AppState& state, DataFeed* feed)
    : m_state(state), m_feed(feed), m_previous(state.listFeed)
{
    m_state.listFeed = m_feed;
}

ScopedListFeed::~ScopedListFeed()
{
    // A window opened since has put its own feed there; that one stays.
    if (m_state.listFeed == m_feed)
        m_state.listFeed = m_previous;
}
