#include "PgSupport.h"
#include "TestSupport.h"

#include <QTest>

QTEST_GUILESS_MAIN(QObject)
