file(GLOB langs ${SRC}/*.lng)
foreach(f ${langs})
  file(COPY ${f} DESTINATION ${DST})
endforeach()
