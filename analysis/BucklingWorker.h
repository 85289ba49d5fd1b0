#pragma once

#include "BucklingAnalysis.h"
#include "ProfileObject.h"

#include <QObject>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stop_token>
#include <thread>
#include <vector>

// A finished analysis with the buckled shape at each of its named points
// (BucklingCurveMarks, in their order), so that picking one costs the interface nothing.
struct BucklingOutcome {
    TBucklingResult Result;
    std::vector<TBucklingMode> Modes;
};

// Runs buckling analyses on a thread of its own, one at a time, and hands each finished
// one back on the worker's own thread (the interface's) through finished(). Requests are
// numbered from 1 in the order made; results come in that order, never one older than a
// result already handed back.
//
// A request still waiting when a newer one comes is dropped unrun. The running one is
// stopped too, unless no result has come back for LiveInterval: a stream of edits such as
// a drag then lets it finish, so that the curve still moves while the mouse does.
class BucklingWorker : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds LiveInterval{150};

    explicit BucklingWorker(QObject* parent = nullptr);
    // Stops the running analysis and waits for it.
    ~BucklingWorker() override;

    // Analyses a copy of objects; the request's number.
    int request(std::span<const TProfileObject> objects, const TBucklingInput& input);

    int lastRequested() const { return m_requested; }

  signals:
    void finished(int number, std::shared_ptr<const BucklingOutcome> outcome);

  private:
    struct Request {
        int Number;
        std::vector<TProfileObject> Objects;
        TBucklingInput Input;
    };
    void run(std::stop_token end);
    void deliver(int number, std::shared_ptr<const BucklingOutcome> outcome);

    int m_requested = 0; // the interface's thread only
    int m_delivered = 0; // the interface's thread only

    std::mutex m_mutex; // guards the members down to the thread
    std::condition_variable_any m_wake;
    std::optional<Request> m_waiting;
    std::stop_source m_running; // the running analysis's
    std::chrono::steady_clock::time_point m_lastResult = std::chrono::steady_clock::now();

    std::jthread m_thread; // last: started once the rest exists
};
