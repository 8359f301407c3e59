#pragma once
#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <vector>

// One path a worker found, and whether it exists.
struct FoundPath {
    QString strPath;
    bool bExists = true;
};

// Paths handed from a worker to the dialog in one queued call; the last batch of a run says so.
struct FoundBatch {
    std::vector<FoundPath> paths;
    bool bLast = false;
};

// Gathers a worker's paths and hands them on in batches, so that a folder of many thousands of files
// costs the dialog a few hundred updates instead of one per file.
class CPathBatcher {
public:
    using BatchSink = std::function<void(FoundBatch)>;

    explicit CPathBatcher(BatchSink post);

    void Add(FoundPath found);
    // Hands on what is left as the run's last batch.
    void Finish();

private:
    void Post(bool bLast);

    BatchSink m_post;
    FoundBatch m_batch;
    QElapsedTimer m_sincePost;
};
