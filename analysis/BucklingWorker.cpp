#include "BucklingWorker.h"

#include "BucklingTexts.h"

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

BucklingWorker::BucklingWorker(QObject* parent)
    : QObject(parent), m_thread([this](std::stop_token end) { run(end); }) {}

BucklingWorker::~BucklingWorker() {
    {
        const std::lock_guard lock(m_mutex);
        m_running.request_stop();
    }
    m_thread.request_stop();
    m_thread.join();
}

int BucklingWorker::request(std::span<const TProfileObject> objects, const TBucklingInput& input) {
    {
        const std::lock_guard lock(m_mutex);
        if (std::chrono::steady_clock::now() - m_lastResult < LiveInterval)
            m_running.request_stop();
        m_waiting = Request{++m_requested, {objects.begin(), objects.end()}, input};
    }
    m_wake.notify_one();
    return m_requested;
}

void BucklingWorker::run(std::stop_token end) {
    std::unique_lock lock(m_mutex);
    while (m_wake.wait(lock, end, [this] { return m_waiting.has_value(); })) {
        const Request request = std::move(*m_waiting);
        m_waiting.reset();
        m_running = std::stop_source();
        const std::stop_token stop = m_running.get_token();
        lock.unlock();
        std::shared_ptr<const BucklingOutcome> outcome;
        if (std::optional<TBucklingResult> result =
                AnalyseBuckling(request.Objects, request.Input, stop))
            outcome = WithModes(std::move(*result), stop);
        lock.lock();
        if (!outcome)
            continue;
        m_lastResult = std::chrono::steady_clock::now();
        QMetaObject::invokeMethod(
            this, [this, number = request.Number, outcome] { deliver(number, outcome); },
            Qt::QueuedConnection);
    }
}

void BucklingWorker::deliver(int number, std::shared_ptr<const BucklingOutcome> outcome) {
    if (number <= m_delivered)
        return;
    m_delivered = number;
    emit finished(number, std::move(outcome));
}
