# kelvo check-in on the command line, on a machine without any display:
#   cmake -DKELVO=<kelvo> -DPLAYER=<kelvo-play> -DSAMPLES=<samples folder>
#         -DSCENARIO=<whole_day.scn> -DWORK=<scratch> -P check_in.cmake
# The sample day worked to its end by the whole-day scenario checks in clean, with every figure
# of its summary; the check-in sheet is read back; one broken copy of what came back per
# consistency finding fails with that finding; a usage error gives 2.
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")
file(REMOVE_RECURSE "${WORK}")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(command "${PLAYER}")
run(0 --root "${WORK}/device" --lang en "${SCENARIO}" --out "${WORK}/shots" --strict
    -platform offscreen)

without_display()
set(SENT "${SAMPLES}/day")
set(BACK "${WORK}/device/My Documents/After Arrival")
set(command "${KELVO}" check-in)

# Every line must be in the output (each a regular expression; runs of spaces are columns).
function(expect_lines what)
    foreach(line IN LISTS ARGN)
        string(REPLACE "  " " +" pattern "${line}")
        if(NOT out MATCHES "${pattern}")
            message(FATAL_ERROR "${what}: no line matching \"${line}\" in\n${out}")
        endif()
    endforeach()
endfunction()

run(0 "${SENT}" "${BACK}" --pdf "${WORK}/sheet.pdf")
expect_lines("the money"
    "101  Dec 5, 2006  17 Dave Kowalski  290\\.91  176\\.72  0\\.00  467\\.63"
    "102  Dec 6, 2006  17 Dave Kowalski  0\\.00  104\\.23  0\\.00  104\\.23"
    "Depot  290\\.91  280\\.95  0\\.00  571\\.86"
    "100103  Pacific Auto Body  CHK-0042  118\\.22"
    "99874  Northgate School District  4471  58\\.50"
    "100202  Eastfield Manufacturing  20061206-1  104\\.23"
    "COD: asked 180\\.92, collected 177\\.92, delayed 3\\.00"
    "100102  Rosa's Kitchen & Grill  43\\.00  40\\.00  -3\\.00  DELAYED"
    "Charge invoices settled: 5, collected 289\\.71"
    "Charge invoices settled: 2, collected 104\\.23")
expect_lines("the stops and invoices"
    "Stops: 9 served, 1 undeliverable, 0 open, of 10"
    "Invoices: 10 settled, 1 undeliverable, 0 open, 0 did not come back, of 11"
    "Mileage: 1200\\.0 at the start \\(06:45\\), 1263\\.4 at the end \\(11:30\\): 63\\.4 driven"
    "4  Bayview Dental Clinic  undeliverable  Customer closed \\(CL\\)"
    "100105  4  Bayview Dental Clinic  Charge  53\\.75  undeliverable: Customer closed \\(CL\\)"
    "Stops: 2 served, 8 undeliverable, 0 open, of 10"
    "Invoices: 2 settled, 10 undeliverable, 0 open, 0 did not come back, of 12"
    "Safety check: no item needs maintenance")
expect_lines("the adjustments"
    "100106  Golden Crust Bakery  SANIT  Hand sanitizer 500 ml  -1  -1  -4\\.20  Damaged goods \\(DM\\)"
    "100106  Golden Crust Bakery  TAX  Sales tax 7\\.5%  0  0  -0\\.32  computed"
    "Adjustments: plus 0\\.00, minus 4\\.52"
    "Nothing to hand on\\."
    "2 routes, 20 stops, 23 invoices checked in; 0 errors, 0 warnings\\."
    "The day checks in clean\\.")

find_program(PDFTOTEXT pdftotext REQUIRED)
execute_process(COMMAND "${PDFTOTEXT}" -layout "${WORK}/sheet.pdf" - OUTPUT_VARIABLE out)
expect_lines("the check-in sheet" "Depot  290\\.91  280\\.95  0\\.00  571\\.86" "CHK-0042"
             "-3\\.00 DELAYED" "Received by the cashier \\(date and signature\\)" "page 1 of 2")

run(0 "${SENT}" "${BACK}" --json)
expect_lines("the JSON" "\"clean\": true" "\"handOver\": 571\\.86"
             "\"invoice\": 100102, \"stop\": 2, \"customer\": \"Rosa's Kitchen & Grill\", \"asked\": 43\\.00, \"collected\": 40\\.00, \"difference\": -3\\.00, \"delayed\": true")

# One broken copy per finding: copy what came back, break it, expect the finding and status 1.
function(broken name kind file)
    set(copy "${WORK}/broken-${name}")
    file(REMOVE_RECURSE "${copy}")
    file(COPY "${BACK}/" DESTINATION "${copy}")
    cmake_language(CALL break_${name} "${copy}")
    run(1 "${SENT}" "${copy}" --json)
    expect_lines("${name}" "\"severity\": \"error\", \"kind\": \"${kind}\", \"folder\": \"[^\"]*\", \"file\": \"${file}\"")
    file(REMOVE_RECURSE "${copy}")
endfunction()

function(replace_in file from to)
    file(READ "${file}" text)
    string(FIND "${text}" "${from}" at)
    if(at LESS 0)
        message(FATAL_ERROR "${from} not in ${file}")
    endif()
    string(REPLACE "${from}" "${to}" text "${text}")
    file(WRITE "${file}" "${text}")
endfunction()

function(break_invoice_missing dir)
    file(REMOVE "${dir}/Inv_100105.xml")
endfunction()
function(break_total_changed dir)
    replace_in("${dir}/Route_101_20061205.xml" "<TotalCollectionsCOD>177.92<" "<TotalCollectionsCOD>178.92<")
endfunction()
function(break_signature_missing dir)
    file(REMOVE "${dir}/Inv_100101.bmp")
endfunction()
function(break_extra_file dir)
    file(WRITE "${dir}/Notes.xml" "<Notes/>")
endfunction()
function(break_invoice_open dir)
    replace_in("${dir}/Inv_100109.xml" "<Status>Settled</Status>" "<Status></Status>")
endfunction()

broken(invoice_missing missing-file "Inv_100105\\.xml\", \"element\": \"/Route/Stops/Stop\\[StopNumber=4\\]/Invoices/Invoice")
broken(total_changed totals-disagree "Route_101_20061205\\.xml\", \"element\": \"/Route/TotalCollectionsCOD")
broken(signature_missing signature-missing "Inv_100101\\.bmp")
broken(extra_file extra-file "Notes\\.xml")
broken(invoice_open invoice-open "Inv_100109\\.xml")

run(2)
run(2 "${SENT}")
run(2 "${SENT}" "${WORK}/no-such-folder")
run(2 "${SENT}" "${BACK}" --colour)
run(2 "${SENT}" "${BACK}" --pdf)
run(2 "${SENT}" "${BACK}" --pdf "${WORK}/no-such-folder/sheet.pdf")
file(REMOVE_RECURSE "${WORK}")
