#include "ui/dialogs/CPathBatcher.h"

#include <utility>

namespace {

// A batch goes out when it is this large, or this old, whichever comes first.
constexpr size_t kMaxBatch = 1000;
constexpr qint64 kMaxBatchAgeMs = 50;

} // namespace

CPathBatcher::CPathBatcher(BatchSink post) : m_post(std::move(post))
{
    m_sincePost.start();
}

void CPathBatcher::Add(FoundPath found)
{
    m_batch.paths.push_back(std::move(found));
    if (m_batch.paths.size() >= kMaxBatch || m_sincePost.elapsed() >= kMaxBatchAgeMs)
        Post(false);
}

void CPathBatcher::Finish()
{
    Post(true);
}

void CPathBatcher::Post(bool bLast)
{
    m_batch.bLast = bLast;
    m_post(std::exchange(m_batch, FoundBatch{}));
    m_sincePost.restart();
}
