#include "BucklingWorker.h"

#include "BucklingTexts.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

struct BucklingWorker::Shared {
    struct Request {
        int Number;
        std::vector<TProfileObject> Objects;
        TBucklingInput Input;
    };

    std::mutex Mutex; // guards the rest
    std::condition_variable Wake;
    std::optional<Request> Waiting;
    std::stop_source Running; // the running analysis's
    std::chrono::steady_clock::time_point LastResult = std::chrono::steady_clock::now();
    BucklingWorker* Receiver; // null once the worker is gone

    void run();
};

namespace {

std::shared_ptr<const BucklingOutcome> WithModes(TBucklingResult result, std::stop_token stop) {
    auto outcome = std::make_shared<BucklingOutcome>();
    for (const BucklingCurveMark& mark : BucklingCurveMarks(result)) {
        if (stop.stop_requested())
            return nullptr;
        outcome->Modes.push_back(result.Solver->mode(mark.point.HalfWave));
    }
    outcome->Result = std::move(result);
    return outcome;
}

} // namespace

void BucklingWorker::Shared::run() {
    std::unique_lock lock(Mutex);
    for (;;) {
        Wake.wait(lock, [this] { return Waiting || !Receiver; });
        if (!Receiver)
            return;
        const Request request = std::move(*Waiting);
        Waiting.reset();
        Running = std::stop_source();
        const std::stop_token stop = Running.get_token();
        lock.unlock();
        std::shared_ptr<const BucklingOutcome> outcome;
        if (std::optional<TBucklingResult> result =
                AnalyseBuckling(request.Objects, request.Input, stop))
            outcome = WithModes(std::move(*result), stop);
        lock.lock();
        if (!outcome || !Receiver)
            continue;
        LastResult = std::chrono::steady_clock::now();
        // Posted while the receiver is known to live; should it go before the event is
        // delivered, the event goes with it.
        QMetaObject::invokeMethod(
            Receiver,
            [receiver = Receiver, number = request.Number, outcome] {
                receiver->deliver(number, outcome);
            },
            Qt::QueuedConnection);
    }
}

BucklingWorker::BucklingWorker(QObject* parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()) {
    m_shared->Receiver = this;
    std::thread([shared = m_shared] { shared->run(); }).detach();
}

BucklingWorker::~BucklingWorker() {
    {
        const std::lock_guard lock(m_shared->Mutex);
        m_shared->Receiver = nullptr;
        m_shared->Running.request_stop();
    }
    m_shared->Wake.notify_one();
}

int BucklingWorker::request(std::span<const TProfileObject> objects, const TBucklingInput& input) {
    {
        const std::lock_guard lock(m_shared->Mutex);
        if (std::chrono::steady_clock::now() - m_shared->LastResult < LiveInterval)
            m_shared->Running.request_stop();
        m_shared->Waiting = Shared::Request{++m_requested, {objects.begin(), objects.end()}, input};
    }
    m_shared->Wake.notify_one();
    return m_requested;
}

void BucklingWorker::deliver(int number, std::shared_ptr<const BucklingOutcome> outcome) {
    if (number <= m_delivered)
        return;
    m_delivered = number;
    emit finished(number, std::move(outcome));
}
