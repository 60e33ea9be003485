Execute "q = 3 * 4"
v = Eval("q + 1 = 13")
dt = DateSerial(2024, 2, 29) + TimeSerial(12, 30, 0)
TotX = v & Year(dt) & Month(dt) & Weekday(dt) & DateAdd("m", 1, dt) & DateDiff("d", #1/1/2024#, dt)
