#pragma once

#include "BucklingAnalysis.h"
#include "ProfileObject.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <span>
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
//
// The analysis stops only between half-wavelengths, and one of a profile of hundreds of
// bars takes minutes; so the worker's end does not wait for its thread, which finishes the
// half-wavelength on its own and hands nothing back.
class BucklingWorker : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds LiveInterval{150};

    explicit BucklingWorker(QObject* parent = nullptr);
    // Stops the running analysis; returns at once.
    ~BucklingWorker() override;

    // Analyses a copy of objects; the request's number.
    int request(std::span<const TProfileObject> objects, const TBucklingInput& input);

    int lastRequested() const { return m_requested; }

  signals:
    void finished(int number, std::shared_ptr<const BucklingOutcome> outcome);

  private:
    struct Shared;
    void deliver(int number, std::shared_ptr<const BucklingOutcome> outcome);

    int m_requested = 0;
    int m_delivered = 0;
    std::shared_ptr<Shared> m_shared; // with the thread
};
